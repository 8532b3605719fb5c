// azivoder-reading: one reading on standard output, as text or JSON, with
// no window and no display.
#include "cli/CastReading.h"
#include "cli/CheckReadings.h"
#include "cli/JsonFormat.h"
#include "cli/Options.h"
#include "cli/ReadingStream.h"
#include "cli/TextFormat.h"

#include "geomancy/RandomSource.h"
#include "geomancy/SelfCheck.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr int BadInput = 2;

int refuse(const QString& problem) {
    const QByteArray line =
        QCoreApplication::applicationName().toUtf8() + ": " + problem.simplified().toUtf8() + '\n';
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
    return BadInput;
}

// 0 when all of `bytes` reached standard output, else 1.
int print(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

int print(const QString& text) {
    return print(text.toUtf8());
}

// One line per rule with its count; 1 and the rule's name for a broken one.
int verify() {
    QByteArray out;
    QByteArray broken;
    for (const geomancy::RuleTally& tally : geomancy::tallyRules()) {
        out += QByteArray(tally.holds ? "holds   " : "BROKEN  ") +
               QByteArray::number(static_cast<qlonglong>(tally.count)).rightJustified(6) + "  " +
               tally.rule.c_str() + '\n';
        if (!tally.holds)
            broken += QByteArray("broken: ") + tally.rule.c_str() + '\n';
    }
    out += broken.isEmpty() ? QByteArray("every rule holds\n") : broken;
    return print(out) == 0 && broken.isEmpty() ? 0 : 1;
}

geomancy::ClockSeededRandom randomFor(const cli::Options& options) {
    return options.seed ? geomancy::ClockSeededRandom(*options.seed)
                        : geomancy::ClockSeededRandom();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("azivoder-reading"));
    QCoreApplication::setApplicationVersion(QStringLiteral(AZIVODER_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(cli::readingDescription());
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    cli::addReadingOptions(parser);

    if (!parser.parse(QCoreApplication::arguments()))
        return refuse(parser.errorText());
    // Printed here, not by showHelp() and showVersion(): on Windows those open
    // a message box when no console is attached, as when a script reads the
    // output through a pipe.
    if (parser.isSet(help))
        return print(parser.helpText());
    if (parser.isSet(version))
        return print(QCoreApplication::applicationName() + QLatin1Char(' ') +
                     QCoreApplication::applicationVersion() + QLatin1Char('\n'));

    const cli::ParsedOptions parsed = cli::readReadingOptions(parser);
    if (!parsed.error.isEmpty())
        return refuse(parsed.error);
    const cli::Options& options = parsed.options;
    if (options.verify)
        return verify();
    if (options.check) {
        const cli::CheckResult checked = cli::checkReadingsFile(*options.check);
        if (checked.status == BadInput)
            return refuse(checked.error);
        return print(checked.report) == 0 ? checked.status : 1;
    }

    if (options.count) {
        geomancy::ClockSeededRandom random = randomFor(options);
        return cli::writeReadings(*options.count, options.format, options.methods, random, stdout)
                   ? 0
                   : 1;
    }

    cli::ReadingResult reading;
    if (options.lines) {
        reading = cli::castReading(*options.lines, options.methods);
    } else {
        geomancy::ClockSeededRandom random = randomFor(options);
        reading = cli::castReading(random, options.methods);
    }
    return options.format == cli::OutputFormat::Json ? print(cli::formatJson(reading))
                                                     : print(cli::formatText(reading));
}
