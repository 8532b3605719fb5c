// The yardstick for scripts/bench.sh: the least a Qt Widgets program does to
// show a window with one label and one button, and to handle a click on it.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv); // the probe linked in installs itself
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    auto* layout = new QVBoxLayout(&window);
    auto* label = new QLabel(QStringLiteral("Clicks: 0"));
    auto* button = new QPushButton(QStringLiteral("Click"));
    button->setObjectName(QStringLiteral("bareButton"));
    layout->addWidget(label);
    layout->addWidget(button);
    int clicks = 0;
    // A click changes the label, as a press changes the program's controls.
    QObject::connect(button, &QPushButton::clicked, label,
                     [&] { label->setText(QStringLiteral("Clicks: %1").arg(++clicks)); });
    window.show();
    return app.exec();
}
