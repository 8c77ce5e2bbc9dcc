// Headless pictures of the window, for tests and documentation: the window
// laid out at a fixed size on Qt's offscreen platform, with a fixed font
// and style, rendered to a PNG.
#ifndef SCREENSHOT_H
#define SCREENSHOT_H

#include <QImage>
#include <QSize>

struct CommandLineOptions;
class MainWindow;

namespace Screenshot {

// The font family every headless picture is drawn with (Debian's
// fonts-dejavu-core, which Qt itself depends on).
QString fontFamily();
// Sets the application's style, palette and font to the fixed ones.
void prepareApplication();
// The window as it is laid out at size.
QImage render(MainWindow& window, const QSize& size);
// gridwell --screenshot: 0 when the picture was written, 2 when the job or
// an item named on the command line is not found (with a message on
// standard error), 1 when the picture cannot be written.
int run(const CommandLineOptions& options);

} // namespace Screenshot

#endif // SCREENSHOT_H
