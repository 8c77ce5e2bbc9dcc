#include "screenshot.h"

#include "commandline.h"
#include "mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QSaveFile>
#include <QStyle>
#include <QStyleFactory>
#include <QTextStream>

namespace Screenshot {

namespace {

QTextStream& err()
{
    static QTextStream s(stderr);
    return s;
}

int fail(const QString& message, int status)
{
    err() << "gridwell: " << message << "\n";
    err().flush();
    return status;
}

} // namespace

QString fontFamily()
{
    return QStringLiteral("DejaVu Sans");
}

void prepareApplication()
{
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
        QApplication::setPalette(fusion->standardPalette());
    }
    QFont font(fontFamily());
    font.setPixelSize(12);
    QApplication::setFont(font);
    for (Qt::UIEffect effect : {Qt::UI_AnimateMenu, Qt::UI_FadeMenu, Qt::UI_AnimateCombo,
                                Qt::UI_AnimateTooltip, Qt::UI_FadeTooltip, Qt::UI_AnimateToolBox})
        QApplication::setEffectEnabled(effect, false);
}

QImage render(MainWindow& window, const QSize& size)
{
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.resize(size);
    window.show();
    QApplication::processEvents();
    return window.grab().toImage();
}

int run(const CommandLineOptions& options)
{
    prepareApplication();
    MainWindow::Options windowOptions;
    windowOptions.rememberLayout = false;
    windowOptions.style = PlanStyle::fixed(fontFamily());
    MainWindow window(windowOptions);
    // Laid out at its size before the job opens, so that the plan is fitted
    // to the view it will be seen in.
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.resize(options.size);
    window.show();
    QApplication::processEvents();

    QString failure;
    window.warn = [&failure](const QString&, const QString& text) { failure = text; };
    // Nobody is there to pick another template.
    window.chooseTemplate = [](const QString&, const QString&) { return QString(); };
    JobDocument& document = window.document();
    if (!window.openFile(options.job)) {
        if (failure.isEmpty())
            failure = document.errorString() + QLatin1Char('\n') + document.templateError();
        return fail(failure.trimmed(), 2);
    }
    // The picture shows the whole table, not the part read so far.
    document.readAllRows();
    if (!options.floor.isEmpty()) {
        const int floor = document.floorIndex(options.floor);
        if (floor < 0)
            return fail(QCoreApplication::translate("Screenshot", "%1 has no floor %2")
                            .arg(options.job, options.floor),
                        2);
        window.showFloor(floor);
    }
    if (!options.sheet.isEmpty()) {
        const int sheet = document.sheets().sheetIndex(options.sheet);
        if (sheet < 0)
            return fail(QCoreApplication::translate("Screenshot", "%1 has no sheet %2")
                            .arg(options.job, options.sheet),
                        2);
        window.showSheet(sheet);
    }
    if (!options.select.isEmpty() && !window.goToId(options.select))
        return fail(QCoreApplication::translate("Screenshot", "%1 has nothing with the id %2")
                        .arg(options.job, options.select),
                    2);
    const QImage image = render(window, options.size);
    QSaveFile file(options.screenshot);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        return fail(QCoreApplication::translate("Screenshot", "cannot write %1: %2")
                        .arg(QDir::toNativeSeparators(options.screenshot), file.errorString()),
                    1);
    return 0;
}

} // namespace Screenshot
