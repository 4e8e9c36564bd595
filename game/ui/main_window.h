#pragma once

#include <QWidget>

namespace dravik::ui {

// Twips per pixel of the window's layout (15 twips = 1 pixel at 96 dpi).
constexpr int kTwipsPerPixel = 15;
// The game window's fixed client area, in twips.
constexpr int kClientWidthTwips = 10725;
constexpr int kClientHeightTwips = 9855;

// The game window ("Main").
class MainWindow : public QWidget {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);
};

} // namespace dravik::ui
