// Saves a picture of an X window (or of the whole screen) to a PNG file, for the run
// script and the end-to-end test on machines with only a virtual X server.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: x-screenshot OUT.png [WINDOW_ID]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    const WId window = argc == 3 ? static_cast<WId>(std::strtoull(argv[2], nullptr, 0)) : 0;
    const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(window);
    if (picture.isNull() || !picture.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "x-screenshot: cannot save a picture of window %s to %s\n", argc == 3 ? argv[2] : "root",
                     argv[1]);
        return 1;
    }
    return 0;
}
