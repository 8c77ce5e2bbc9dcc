// gridwell: the desktop planner. Opens a job of any version and shows its
// floors, network sheets, cables and test results; --screenshot renders the
// window to a PNG without showing it.
#include "commandline.h"
#include "mainwindow.h"
#include "screenshot.h"

#include <qvutils.h>
#include <runekit.h>
#include <translator.h>

#include <QApplication>
#include <QFontDatabase>
#include <QTextStream>

int main(int argc, char** argv)
{
    // The command line is read before the application exists: --help and a
    // bad command line need no display, and --screenshot chooses the
    // offscreen platform, which must be set before the application starts.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    CommandLineOptions options;
    QString error;
    const QStringList catalogues = {QStringLiteral("gridwell"), QStringLiteral("ductbook"),
                                    QStringLiteral("runekit")};
    bool parsed = CommandLine::parse(arguments, &options, &error);
    if (!parsed || options.help || options.version) {
        // Read again with the user's language installed, for the texts shown.
        QCoreApplication core(argc, argv);
        Translator::install(catalogues);
        parsed = CommandLine::parse(arguments, &options, &error);
        if (!parsed) {
            QTextStream err(stderr);
            err << "gridwell: " << error << "\n"
                << QCoreApplication::translate("CommandLine",
                                               "Try 'gridwell --help' for more information.")
                << "\n";
            return 2;
        }
        QTextStream out(stdout);
        out << (options.help
                    ? CommandLine::helpText()
                    : QStringLiteral("gridwell %1\n").arg(QStringLiteral(GRIDWELL_VERSION)));
        return 0;
    }
    if (!options.screenshot.isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    Translator::install(catalogues);
    QApplication::setOrganizationName(QStringLiteral("Korvex"));
    QApplication::setApplicationName(QStringLiteral("Gridwell"));
    QApplication::setApplicationVersion(QStringLiteral(GRIDWELL_VERSION));
    if (!options.screenshot.isEmpty())
        return Screenshot::run(options);

    // The application font of the settings, where this system has it; the
    // store's default family comes from another platform.
    const auto font = Runekit::readSettings({QVUtils::AppFontFamily, QVUtils::AppFontSize});
    const QString family = font.value(QVUtils::AppFontFamily);
    if (QFontDatabase::hasFamily(family)) {
        const int size = font.value(QVUtils::AppFontSize).toInt();
        QApplication::setFont(QFont(family, size > 0 ? size : -1));
    }

    MainWindow window;
    window.show();
    if (!options.job.isEmpty())
        window.openFile(options.job);
    return app.exec();
}
