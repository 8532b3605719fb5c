// A stand-in for the program's start, used by test_single_instance: it runs
// the start-up's single-instance step against the lock directory given as
// its argument, with scripted message boxes, and reports on stdout:
//   "running"                 this copy holds the lock and waits to be killed
//   "box: <text>" + "ended"   it was refused, told the user and ended
#include <MessageBox.h>
#include <SingleInstance.h>
#include <StartUp.h>

#include <QApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (app.arguments().size() != 2)
        return 2;
    MessageBox::setScripted(true);
    QTextStream out(stdout);

    SingleInstance instance(app.arguments().at(1));
    StartUpSteps steps;
    steps.anotherInstanceRuns = [&] { return instance.claim() == SingleInstance::Claim::HeldByAnother; };
    steps.closeAllAndEnd = [&] {
        for (const MessageBox::Shown& box : MessageBox::shown())
            out << "box: " << box.text << '\n';
        CloseAllAndEnd();
        out << "ended" << Qt::endl;
    };
    if (!RunStartUp(steps))
        return 0;
    out << (instance.isClaimed() ? "running" : "no lock") << Qt::endl;
    return app.exec();
}
