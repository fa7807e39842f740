#pragma once

// What every orvctl command that talks to a collar shares: the line options
// over the COM port defaults, the progress window as one line on a terminal,
// Ctrl-C as the Abort button, and the link to the collar on one port for the
// length of the command.

#include <csignal>
#include <memory>
#include <string>

#include "cli.h"
#include "device/com_settings.h"
#include "device/device_operations.h"
#include "device/progress_sink.h"
#include "device/serial_port.h"
#include "device/serial_trace.h"
#include "device/tracing_line.h"
#include "image/firmware_selection.h"

namespace orv::cli {

// The options of a command with a collar on a serial line, beside --port.
#define ORV_CLI_LINE_OPTIONS "baud", "parity", "data-bits", "stop-bits", "timeout", "single-pin", "trace"

// --baud, --parity, --data-bits, --stop-bits, --single-pin and --timeout over
// the COM port defaults (9600 baud, odd parity, 7 data bits, 1 stop bit, no
// single-pin I/O, 90 s time-out). An exit status.
int lineSettings(const Args& args, ComSettings& settings);

// The progress window as one updating line on a terminal (nothing otherwise);
// Ctrl-C is its Abort button while an operation runs.
class TerminalProgress : public ProgressSink {
public:
    explicit TerminalProgress(int wakeSeconds);

    void hide() override { clearLine(); }
    void setCaption(const std::string& text) override;
    void setLegend(const std::string& text) override;
    void setPosition(int percent) override;
    bool aborted() override;
    int wakeLimitSeconds() const override { return wakeLimit; }
    void beep(int, int) override;

    void clearLine();

private:
    void draw();

    int wakeLimit;
    bool terminal;
    bool drawn = false;
    std::string caption;
    std::string legend;
    int position = 0;
};

// The collar on one port for the length of a command: the link with the line
// settings (and --trace), the record's firmware selection, Ctrl-C as Abort,
// and the session's message boxes below the progress line.
class CollarSession {
public:
    CollarSession(Session& session, const std::string& port, const ComSettings& settings,
                  std::shared_ptr<SerialTrace> trace, bool rootIdFlag = false);
    ~CollarSession();
    CollarSession(const CollarSession&) = delete;
    CollarSession& operator=(const CollarSession&) = delete;

    DeviceContext& context() { return deviceContext; }
    TerminalProgress& progress() { return line; }

private:
    class Presenter : public MessagePresenter {
    public:
        Presenter(MessagePresenter* shownBy, TerminalProgress& line) : inner(shownBy), progress(line) {}
        int present(BoxKind kind, const std::string& caption, const std::string& text) override;

    private:
        MessagePresenter* inner;
        TerminalProgress& progress;
    };

    // Ctrl-C is the Abort button while the session lasts.
    class InterruptAsAbort {
    public:
        InterruptAsAbort();
        ~InterruptAsAbort();
        InterruptAsAbort(const InterruptAsAbort&) = delete;
        InterruptAsAbort& operator=(const InterruptAsAbort&) = delete;

    private:
        struct sigaction previous {};
    };

    Session& session;
    InterruptAsAbort interrupt;
    TerminalProgress line;
    Presenter presenter;
    MessagePresenter* shownBefore;
    SerialPort serial;
    TracingLine traced;
    TargetLink link;
    RecordFirmwareSelection selection;
    DeviceContext deviceContext;
};

}  // namespace orv::cli
