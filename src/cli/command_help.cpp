#include "command_help.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "app/text_helpers.h"

namespace orv::cli {

namespace {

// clang-format off
constexpr std::array kHelp{
    CommandHelp{"show", "print the configuration",
        "orvctl show [SOURCE] [--set KEY=TEXT ...] [--json]",
        "  --json                  one JSON object: firmware, general, seasons, strings\n"
        "                          (--json FILE, with a file name, is the JSON source instead)\n",
        "orvctl show --set XmitterEnblType=Petrel\n"
        "orvctl show --ppf collar.ppf --json\n"},
    CommandHelp{"export", "write the configuration as a JSON file",
        "orvctl export [SOURCE] [--set KEY=TEXT ...] --format json -o FILE.json",
        "  --format json           the object of 'show --json' with \"schema\": \"orv-configuration/1\"\n"
        "  -o FILE.json            the file to write; '--json FILE.json' reads it back\n",
        "orvctl export --ppf collar.ppf --format json -o collar.json\n"
        "orvctl image --json collar.json -o collar.bin\n"},
    CommandHelp{"export-ppf", "write the configuration as a .ppf file",
        "orvctl export-ppf [SOURCE] [--set KEY=TEXT ...] -o FILE",
        "  -o FILE                 the .ppf file to write (the same bytes as the window's Export)\n",
        "orvctl export-ppf --firmware \"N4 040816\" -o collar.ppf\n"},
    CommandHelp{"image", "write the collar memory image of the configuration",
        "orvctl image [SOURCE] -o FILE\n"
        "orvctl image --from device:PORT [--firmware VERSION] [--timeout SECONDS] -o FILE",
        "  -o FILE                 the image file (the bytes of the .bin archive)\n"
        "  --from device:PORT      the bytes the collar on PORT holds, read as 'device read' does\n"
        "                          (prints its firmware; '--bin FILE --firmware VERSION' puts it back)\n",
        "orvctl image --ppf collar.ppf -o collar.bin\n"
        "orvctl image --from device:/dev/ttyUSB0 -o before.bin\n"},
    CommandHelp{"spr", "the software programming report text",
        "orvctl spr [SOURCE] [--title SUFFIX] [-o FILE]",
        "  --title SUFFIX          added to the report's title\n"
        "  -o FILE                 write the report file (CR LF line ends) instead of printing it\n",
        "orvctl spr --db Orv3.mdb --job P1001 --ctn 7\n"},
    CommandHelp{"schedule-text", "the season schedule in words",
        "orvctl schedule-text [SOURCE]",
        "",
        "orvctl schedule-text --ppf collar.ppf\n"},
    CommandHelp{"simulate", "run the schedule simulation and list its events",
        "orvctl simulate [SOURCE] --start YYYY-MM-DD [--years N] [--format csv|json]",
        "  --start YYYY-MM-DD      the deployment date (00:00 UTC)\n"
        "  --years N               years to simulate (default: the configuration's Simulation Years)\n"
        "  --format csv|json       the event list's form (default csv)\n",
        "orvctl simulate --start 2027-03-01 --years 2 --format json\n"},
    CommandHelp{"chart", "draw the simulation chart to a file",
        "orvctl chart [SOURCE] --start YYYY-MM-DD [--years N] [--view-start YYYY-MM-DD]\n"
        "             [--zoom 0|1|2] [--size WxH] -o FILE",
        "  --start YYYY-MM-DD      the deployment date\n"
        "  --years N               years to simulate\n"
        "  --view-start YYYY-MM-DD the first day in view (default: the deployment date)\n"
        "  --zoom 0|1|2            five weeks, one week or two days in view\n"
        "  --size WxH              the picture's size in pixels\n"
        "  -o FILE                 .png, .pdf or .svg draws the chart; .json writes its content\n",
        "orvctl chart --start 2027-03-01 -o schedule.png\n"
        "orvctl chart --start 2027-03-01 --zoom 1 -o week.json\n"},
    CommandHelp{"budget", "the battery and event budget of the schedule",
        "orvctl budget [SOURCE] --start YYYY-MM-DD [--years N] [--format text|json]",
        "  --start YYYY-MM-DD      the deployment date\n"
        "  --years N               years to simulate\n"
        "  --format text|json      the figures' form (default text); battery values from ./Orv3.cfg [Energy];\n"
        "                          every event of the deployment counted, nominal and pessimistic figures\n",
        "orvctl budget --start 2027-03-01 --years 3\n"},
    CommandHelp{"print", "print a report on a print queue or as PDF",
        "orvctl print [SOURCE] --report spr|simulation [--title SUFFIX] [--start YYYY-MM-DD]\n"
        "             [--no-battery-line] (--printer NAME | -o FILE.pdf)",
        "  --report spr|simulation the programming report or the schedule simulation report\n"
        "  --title SUFFIX          added to the report's title\n"
        "  --start YYYY-MM-DD      the deployment date of the simulation report\n"
        "  --no-battery-line       the simulation report's charts without the battery line\n"
        "  --printer NAME          the print queue\n"
        "  -o FILE.pdf             write the printed page as PDF instead\n",
        "orvctl print --report spr -o report.pdf\n"
        "orvctl print --report simulation --start 2027-03-01 --printer Office\n"},
    CommandHelp{"diff", "every difference between two configurations, and what it does",
        "orvctl diff OLD NEW [--db PATH] [--set KEY=TEXT ...] [--format text|json]\n"
        "             [--timeout S] [--baud N] ... (the line options of 'device')",
        "  OLD, NEW                FILE.ppf, device:PORT (read as 'device read' reads it),\n"
        "                          db:JOB,CTN,STATUS (a stored device in --db) or defaults\n"
        "  --set, --raw, --reset   act on NEW after it is loaded\n"
        "  --format text|json      one line a difference, grouped by page and season, then the\n"
        "                          impact (fix attempts and transmissions per year, projected\n"
        "                          battery days); or one JSON object\n"
        "A collar or a .ppf file holds no texts of the record: texts are compared only where\n"
        "both sides have them. Exit status as diff(1): 0 the same, 1 different, 2 trouble.\n",
        "orvctl diff db:P1001,7,Programmed device:/dev/ttyUSB0 --db Orv3.mdb\n"
        "orvctl diff defaults collar.ppf --format json\n"},
    CommandHelp{"layout", "the collar memory layout of a firmware as a table",
        "orvctl layout --firmware VERSION",
        "  --firmware VERSION      one of the supported firmware version texts\n",
        "orvctl layout --firmware \"N4 040816\"\n"},
    CommandHelp{"device", "the collar operations over a serial device",
        "orvctl device firmware|read|check|write|shutdown|read-factory|write-factory --port DEVICE\n"
        "             [--baud N] [--parity none|odd|even] [--data-bits 7|8] [--stop-bits 1|2]\n"
        "             [--single-pin] [--timeout S] [--trace FILE] [--all]",
        "  --port DEVICE           the serial device (/dev/ttyUSB0, or the collar emulator's)\n"
        "  --baud N                line speed\n"
        "  --single-pin            the collar echoes every byte (single-pin cable)\n"
        "  --timeout S             how long to wait for the magnet wake-up\n"
        "  --trace FILE            write every frame exchanged to FILE (a new file), for support\n"
        "  --user NAME             write: who programs (saved as \"Programmed\" with --db)\n"
        "  --no-save               write: no save as \"Programmed\", no archive files\n"
        "                          (with --db an Engineer only; others always save)\n"
        "  --allow-zero-ptt-id     write: program although the assigned PTT ID code is zero\n"
        "                          (the root ID goes into the collar; --yes does not do this)\n"
        "  --show-changes          write: list what will change on the collar (read first) with\n"
        "                          the impact, then ask (--yes writes, --no leaves it untouched)\n"
        "  --all                   check: print every difference from the collar (one a line, as\n"
        "                          orvctl diff), not only the first; exit 1 when any\n"
        "shutdown: Production or Engineer only, as the window's Shutdown button.\n"
        "read-factory, write-factory: Engineer only, as the window's factory buttons.\n"
        "Before write, as in the window: the activity check (a fix interval shorter than the\n"
        "activity interval stops it) and the zero PTT ID code (refused without the option).\n"
        "Every write reads the collar first and, with an archive folder, keeps what it held as\n"
        "<base>-before-YYYYMMDD-HHMMSS.bin; a collar that cannot be read is not erased.\n",
        "orvctl device firmware --port /dev/ttyUSB0\n"
        "orvctl device write --db Orv3.mdb --job P1001 --ctn 7 --user erin --port /dev/ttyUSB0\n"},
    CommandHelp{"batch", "program several collars at once from a manifest",
        "orvctl batch --manifest FILE.csv --user NAME [--db PATH] [--template SOURCE]\n"
        "             [--results FILE.csv] [--resume FILE.csv] [--timeout S] [--trace FILE]",
        "  --manifest FILE.csv     header port,job,ctn[,status][,KEY...], then one collar a line;\n"
        "                          a KEY column's cell acts as --set KEY=TEXT (empty: unchanged);\n"
        "                          a port named again waits for the next wave (Enter on the terminal)\n"
        "  --template SOURCE       every line starts from SOURCE (FILE.ppf, db:JOB,CTN,STATUS,\n"
        "                          defaults) instead of its stored device\n"
        "  --results FILE.csv      one line per collar as it finishes: programmed, failed, not programmed\n"
        "  --resume FILE.csv       program only the lines the results file does not name programmed\n"
        "                          (and write the results there)\n"
        "  --timeout S             how long each port waits for the magnet wake-up\n"
        "  --trace FILE            every port's frames into FILE, each line naming its port\n"
        "  --user NAME             who programs (the password from ORV_PASSWORD or the terminal)\n"
        "  --allow-zero-ptt-id     program collars whose assigned PTT ID code is zero (root ID)\n",
        "orvctl batch --manifest job-P1001.csv --user erin\n"
        "orvctl batch --manifest fleet.csv --template base.ppf --user erin --results done.csv\n"},
    CommandHelp{"fleet", "check a fleet of collars against the database",
        "orvctl fleet check --manifest FILE.csv --db PATH [--format text|json]",
        "  --manifest FILE.csv     the manifest of 'batch': each line's port, Job and CTN\n"
        "  --db PATH               where the collars were saved as \"Programmed\"\n"
        "  --format text|json      per collar \"same\" or its differences (default text)\n"
        "Each collar is read and compared as 'orvctl diff db:JOB,CTN,Programmed device:PORT'\n"
        "compares, without the factory area's values (a write never programs them).\n"
        "Exit 0 when every collar matches, 1 otherwise. Nothing is written.\n",
        "orvctl fleet check --manifest fleet.csv --db Orv3.mdb\n"},
    CommandHelp{"db", "the parameter database",
        "orvctl db list --db PATH\n"
        "orvctl db save|read|check|delete --db PATH --job J --ctn C [--status S] [--all]\n"
        "orvctl db rename --db PATH --job J [--ctn C] --new-job J2 [--new-ctn C2]\n"
        "orvctl db copy --db PATH --to PATH2\n"
        "orvctl db history --db PATH --job J --ctn C [--status S] [--format text|json]\n"
        "orvctl db read|restore --db PATH --job J --ctn C --version N\n"
        "orvctl db export --db PATH --format csv [--columns KEY,KEY[S],...] [--delimiter C] -o FILE.csv",
        "  --db PATH               a database file or a postgresql:// URI\n"
        "  --job J --ctn C         the device key (with --status, \"Working\" by default)\n"
        "  --json                  read: print the configuration as JSON\n"
        "  --all                   check: print every difference from the stored device (one a\n"
        "                          line, as orvctl diff), not only the first; exit 1 when any\n"
        "  --to PATH2              copy: the database to fill\n"
        "  --version N             read, restore: version N of the Job and CTN (db history lists them)\n"
        "  --format text|json|csv  history: one line a version, or a JSON list; export: csv,\n"
        "                          a header row, then job, ctn, status and the values of each\n"
        "                          stored device (RFC 4180, UTF-8)\n"
        "  --columns KEY,...       export: these parameters (KEY[*]: all twelve seasons);\n"
        "                          without it every general parameter and text\n"
        "  --delimiter C           export: ';' for spreadsheets that read it (default ',')\n"
        "  --user NAME             save, delete: who does it (as the window's Save and Delete:\n"
        "                          \"Coord. Signoff\" Engineer or Coordinator, \"Programmed\" and\n"
        "                          the Job \" DEFAULT\" Engineer only; others exit 2)\n"
        "  --sign-off              save \"Working\" as \"Coord. Signoff\" signed off by the user\n"
        "                          (Engineer or Coordinator; --yes does not sign off)\n"
        "A save as \"Coord. Signoff\" names the user and date as coordinator; an Engineer's\n"
        "save as \"Programmed\" asks first (--yes) and writes \"#NAME\" as programmed-by.\n"
        "rename: a new Job needs an Engineer, a new CTN an Engineer or Coordinator.\n"
        "Every save, delete, rename, copy and restore keeps a version of the device; restore\n"
        "stores a version again under the save rules of the user.\n",
        "orvctl db save --db Orv3.mdb --job P1001 --ctn 7 --ppf collar.ppf --yes\n"
        "orvctl db save --db Orv3.mdb --job P1001 --ctn 7 --user erin --sign-off\n"
        "orvctl db copy --db Orv3.mdb --to postgresql://orv@dbhost/orv\n"
        "orvctl db history --db Orv3.mdb --job P1001 --ctn 7\n"
        "orvctl db restore --db Orv3.mdb --job P1001 --ctn 7 --version 2 --yes\n"
        "orvctl db export --db Orv3.mdb --format csv --delimiter ';' -o devices.csv\n"},
    CommandHelp{"users", "the password database",
        "orvctl users list|add|delete|passwd --pwdb PATH [--user NAME] [--level LEVEL] [--login NAME]\n"
        "orvctl users service-password       (root: the service account's password here)",
        "  --pwdb PATH             the password database (file or postgresql:// URI)\n"
        "  --user NAME             the user to add, delete or give a new password\n"
        "  --level LEVEL           Customer, Coordinator, Production, Engineer or Test\n"
        "                          (the password comes from ORV_PASSWORD or the terminal)\n"
        "  --login NAME            the Engineer who maintains the list (password from\n"
        "                          ORV_LOGIN_PASSWORD or the terminal); add and delete need\n"
        "                          one, except for the first Engineer of a list with no user.\n"
        "                          passwd without it changes one's own password and asks for\n"
        "                          the old one (ORV_OLD_PASSWORD or the terminal)\n",
        "ORV_PASSWORD=... orvctl users add --pwdb PWord.mdb --user erin --level Engineer\n"
        "ORV_LOGIN_PASSWORD=... ORV_PASSWORD=... orvctl users add --pwdb PWord.mdb --user ana --login erin\n"
        "ORV_OLD_PASSWORD=... ORV_PASSWORD=... orvctl users passwd --pwdb PWord.mdb --user ana\n"},
    CommandHelp{"doctor", "check this computer for what stands between you and a programmed collar",
        "orvctl doctor [--port PATH]... [--format text|json]",
        "  --port PATH             a serial device to check beside the profile's COM slots (repeatable)\n"
        "  --format text|json      the list's form (default text); JSON: {\"checks\": [{name, status,\n"
        "                          detail, fix}]} with status ok, warning or failed\n"
        "\n"
        "Checks the data folder (the current one) and Orv3.cfg, the parameter and password\n"
        "databases (a server's round trip), every COM slot and --port (present, a terminal,\n"
        "this user may open it, no other program holds it), ModemManager and brltty, the\n"
        "print server and its queues, and a display for the window. Exit 1 when a check failed.\n",
        "orvctl doctor --port /dev/ttyUSB0\n"
        "orvctl doctor --format json\n"},
    CommandHelp{"support-bundle", "one file for a support request",
        "orvctl support-bundle -o FILE.tar.gz",
        "  -o FILE.tar.gz          the archive to write: the version and build, the computer check,\n"
        "                          Orv3.cfg and the profile, the last serial trace sessions, the\n"
        "                          message log of the last run and the stored device keys (never\n"
        "                          the password database; database URI passwords shown as ***)\n",
        "orvctl support-bundle -o orv-support.tar.gz\n"},
    CommandHelp{"completions", "words for the shell's completion of orvctl",
        "orvctl completions commands|options COMMAND|firmware|keys",
        "",
        "orvctl completions keys\n"},
    CommandHelp{"help", "the commands, or one command's synopsis, options and examples",
        "orvctl help [COMMAND]",
        "",
        "orvctl help chart\n"},
};
// clang-format on

// Edits from a to b, a swap of two neighbouring letters counting as one.
std::size_t editDistance(const std::string& a, const std::string& b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

}  // namespace

const CommandHelp* commandHelp(const std::string& name) {
    for (const CommandHelp& help : kHelp)
        if (name == help.name) return &help;
    return nullptr;
}

std::string nearestName(const std::string& word, const std::vector<std::string>& candidates) {
    const std::string typed = lowerCase(word);
    std::string best;
    std::size_t bestDistance = 0;
    for (const std::string& candidate : candidates) {
        const std::string name = lowerCase(candidate);
        // A prefix of a longer name ("sim" for "simulate") is the one meant.
        std::size_t distance = name.rfind(typed, 0) == 0 && !typed.empty() ? 1 : editDistance(typed, name);
        if (best.empty() || distance < bestDistance) {
            best = candidate;
            bestDistance = distance;
        }
    }
    const std::size_t allowed = std::max<std::size_t>(2, typed.size() / 3);
    return bestDistance <= allowed ? best : std::string();
}

}  // namespace orv::cli
