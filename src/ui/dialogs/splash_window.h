#pragma once

#include <QWidget>

namespace orv {

// The borderless window shown while the program starts: the title and the logo.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    // Shows the window and lets it paint before start-up goes on.
    void showAndPaint();

protected:
    void paintEvent(QPaintEvent* event) override;
};

inline constexpr const char* kSplashTitle = "GPS Orv - Vosk";

}  // namespace orv
