// user-guide: makes the user guide (one HTML page) from the manual pages, so
// that the guide behind the window's "?" button and `man orv3` / `man orvctl`
// say the same from one source. It reads the small part of the man macros the
// pages use: .TH .SH .SS .PP .TP .IP .B .I .BI .BR .IR .RB .RI .br .nf .fi
// .RS .RE and the font escapes \fB \fI \fR \fP, \- and \e.
//
//   user-guide OUTPUT.html TITLE PAGE.1...

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string escapeHtml(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// A line of text with its escapes: fonts become <b>/<i>, the rest characters.
std::string inlineText(const std::string& line) {
    std::string out;
    std::string open;  // the element open for the current font
    auto setFont = [&](char font) {
        if (!open.empty()) out += "</" + open + ">";
        open = font == 'B' ? "b" : font == 'I' ? "i" : "";
        if (!open.empty()) out += "<" + open + ">";
    };
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '\\' || i + 1 == line.size()) {
            out += escapeHtml(std::string(1, line[i]));
            continue;
        }
        const char next = line[++i];
        if (next == 'f' && i + 1 < line.size()) {
            setFont(line[++i]);
        } else if (next == '-') {
            out += '-';
        } else if (next == 'e') {
            out += '\\';
        } else if (next == '&') {
        } else if (next == '(' && i + 2 < line.size()) {
            const std::string name = line.substr(i + 1, 2);
            i += 2;
            out += name == "em" ? "&mdash;" : name == "en" ? "&ndash;" : name == "bu" ? "&bull;" : "";
        } else {
            out += escapeHtml(std::string(1, next));
        }
    }
    setFont('R');
    return out;
}

// The arguments of a macro line: blank-separated, "quoted" ones kept whole.
std::vector<std::string> macroArguments(const std::string& rest) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < rest.size()) {
        while (i < rest.size() && rest[i] == ' ') ++i;
        if (i == rest.size()) break;
        std::string word;
        if (rest[i] == '"') {
            for (++i; i < rest.size() && rest[i] != '"'; ++i) word += rest[i];
            ++i;
        } else {
            for (; i < rest.size() && rest[i] != ' '; ++i) word += rest[i];
        }
        words.push_back(word);
    }
    return words;
}

// .B .I and the alternating font macros (.BI = bold, italic, bold ...).
std::string fontMacro(const std::string& macro, const std::string& rest) {
    if (macro == "B" || macro == "I") {
        const std::string element = macro == "B" ? "b" : "i";
        return "<" + element + ">" + inlineText(rest) + "</" + element + ">";
    }
    std::string out;
    const std::vector<std::string> words = macroArguments(rest);
    for (std::size_t i = 0; i < words.size(); ++i) {
        const char font = macro[i % 2];
        const std::string text = inlineText(words[i]);
        out += font == 'B' ? "<b>" + text + "</b>" : font == 'I' ? "<i>" + text + "</i>" : text;
    }
    return out;
}

class Page {
public:
    void convert(std::istream& in, std::string& title) {
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.rfind(".\\\"", 0) == 0 || line.rfind("'\\\"", 0) == 0) continue;
            if (line.empty() || line[0] != '.') {
                text(inlineText(line));
                continue;
            }
            const std::size_t space = line.find(' ');
            const std::string macro =
                line.substr(1, space == std::string::npos ? std::string::npos : space - 1);
            const std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
            if (macro == "TH") {
                const std::vector<std::string> words = macroArguments(rest);
                title = words.empty() ? "" : words[0];
                for (char& c : title) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            } else if (macro == "SH" || macro == "SS") {
                closeBlocks();
                const std::string heading = inlineText(rest);
                const std::string element = macro == "SH" ? "h3" : "h4";
                html += "<" + element + ">" + heading + "</" + element + ">\n";
            } else if (macro == "PP" || macro == "LP" || macro == "P") {
                closeBlocks();
            } else if (macro == "TP" || macro == "IP") {
                closeParagraph();
                closeItem();
                if (!inList) {
                    html += "<dl>\n";
                    inList = true;
                }
                if (macro == "IP") {
                    html += "<dt>" + inlineText(rest) + "</dt>\n<dd>";
                    inItem = true;
                } else {
                    awaitingTerm = true;
                }
            } else if (macro == "br") {
                html += "<br>\n";
            } else if (macro == "nf" || macro == "EX") {
                if (!inItem) closeParagraph();
                html += "<pre>";
                preformatted = true;
            } else if (macro == "fi" || macro == "EE") {
                html += "</pre>\n";
                preformatted = false;
            } else if (macro == "RS") {
                html += "<blockquote>\n";
            } else if (macro == "RE") {
                closeBlocks();
                html += "</blockquote>\n";
            } else if (macro.size() <= 2 && macro.find_first_not_of("BIR") == std::string::npos) {
                text(fontMacro(macro, rest));
            } else {
                std::cerr << "user-guide: unknown macro ." << macro << "\n";
                failed = true;
            }
        }
        closeBlocks();
    }

    std::string html;
    bool failed = false;

private:
    void text(const std::string& converted) {
        if (preformatted) {
            html += converted + "\n";
            return;
        }
        if (awaitingTerm) {
            html += "<dt>" + converted + "</dt>\n<dd>";
            awaitingTerm = false;
            inItem = true;
            return;
        }
        if (!inItem && !inParagraph) {
            html += "<p>";
            inParagraph = true;
        }
        html += converted + "\n";
    }
    void closeParagraph() {
        if (inParagraph) html += "</p>\n";
        inParagraph = false;
    }
    void closeItem() {
        if (inItem) html += "</dd>\n";
        inItem = false;
    }
    // A paragraph (or a heading) ends the list of tagged items before it.
    void closeBlocks() {
        closeParagraph();
        closeItem();
        if (inList) html += "</dl>\n";
        inList = false;
    }

    bool inParagraph = false;
    bool inList = false;
    bool inItem = false;
    bool awaitingTerm = false;
    bool preformatted = false;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::cerr << "usage: user-guide OUTPUT.html TITLE PAGE.1...\n";
        return 2;
    }
    std::string body;
    std::string contents;
    bool failed = false;
    for (int i = 3; i < argc; ++i) {
        std::ifstream in(argv[i]);
        if (!in) {
            std::cerr << "user-guide: cannot read " << argv[i] << "\n";
            return 1;
        }
        Page page;
        std::string name;
        page.convert(in, name);
        failed = failed || page.failed;
        contents += "<li><a href=\"#" + name + "\">" + escapeHtml(name) + "</a></li>\n";
        body += "<h2 id=\"" + name + "\">" + escapeHtml(name) + "</h2>\n" + page.html;
    }
    if (failed) return 1;
    std::ostringstream out;
    out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>"
        << escapeHtml(argv[2])
        << "</title>\n<style>body{font-family:sans-serif;max-width:52em;margin:1em auto;line-height:1.4}"
           "dt{font-weight:normal;margin-top:.6em}pre{background:#f4f4f4;padding:.5em}</style>\n</head>\n<body>\n<h1>"
        << escapeHtml(argv[2]) << "</h1>\n<ul>\n"
        << contents << "</ul>\n"
        << body << "</body>\n</html>\n";
    std::ofstream file(argv[1], std::ios::binary);
    file << out.str();
    return file ? 0 : 1;
}
