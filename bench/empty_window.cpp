// The least a Qt window of the game's size costs to show: an application, one
// widget painted white with a digit on it, nothing read, nothing loaded.
// scripts/bench-ui.sh times it beside the game and Solo, so the game's start
// can be read against what the toolkit itself takes on this machine.
#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class Empty : public QWidget {
  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.drawText(20, 20, QStringLiteral("1"));
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Empty window;
    window.resize(715, 657);
    window.show();
    return QApplication::exec();
}
