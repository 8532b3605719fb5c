#include "app/CommandLine.h"

#include "app/ParentConsole.h"

#include "ui/widgets/AppInfo.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

void Print(std::FILE* stream, const QString& text) {
    std::fputs(qPrintable(text), stream);
    std::fflush(stream);
}

} // namespace

std::optional<int> handleCommandLine(int& argc, char* argv[]) {
    // This runs before QApplication exists, because QApplication cannot be
    // made without a display and --help and --version must answer over a
    // bare console. The arguments are read from argv directly, so that an
    // ordinary start creates no Qt application object of any kind before
    // the real one and behaves as it did before there were options.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setApplicationDescription(ApplicationTitle +
                                     QStringLiteral(": draws up an astrological geomancy chart."));
    // Not addHelpOption(): its --help-all promises Qt's own options, which
    // are not accepted here (set QT_QPA_PLATFORM and the like instead).
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on command-line options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();

    const bool parsed = parser.parse(arguments);
    QString error = parser.errorText();
    if (parsed && !parser.positionalArguments().isEmpty())
        // Worded as Qt words an unknown option, and as azivoder-reading
        // refuses a stray argument.
        error = QStringLiteral("Unexpected argument '%1'.")
                    .arg(parser.positionalArguments().constFirst());
    if (error.isEmpty() && !parser.isSet(help) && !parser.isSet(version))
        return std::nullopt;

    // Only on the way out: a core application needs no display and gives
    // the usage line the name the program was started by.
    const QCoreApplication core(argc, argv);
    useParentConsole();
    if (!error.isEmpty()) {
        Print(stderr, QCoreApplication::applicationName() + QStringLiteral(": ") + error +
                          QLatin1Char('\n') + parser.helpText());
        return 2;
    }
    if (parser.isSet(help)) {
        Print(stdout, parser.helpText());
        return 0;
    }
    Print(stdout, ApplicationTitle + QLatin1Char(' ') + QCoreApplication::applicationVersion() +
                      QLatin1Char('\n'));
    return 0;
}
