// Small X and picture probes for the run script and the end-to-end test, on machines
// with only a virtual X server:
//   x-probe shot OUT.png [WINDOW_ID]          save a picture of a window (or the screen)
//   x-probe find IN.png RRGGBB X Y W H        print "x y" of a pixel of that colour on a
//                                             curve drawn 2 pixels wide, inside the box
//   x-probe same A.png B.png X Y W H          exit 0 when the box is alike in both
//   x-probe close WINDOW_ID                   ask the window to close, as a window
//                                             manager's close button does
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int Usage()
{
    std::fprintf(stderr,
                 "usage: x-probe shot OUT.png [WINDOW_ID] | find IN.png RRGGBB X Y W H | "
                 "same A.png B.png X Y W H | close WINDOW_ID\n");
    return 2;
}

unsigned long WindowId(const char* text)
{
    return std::strtoul(text, nullptr, 0);
}

QRect Box(char** argv)
{
    return {std::atoi(argv[0]), std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3])};
}

int Shot(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    const WId window = argc == 4 ? WindowId(argv[3]) : 0;
    const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(window);
    if (picture.isNull() || !picture.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "x-probe: cannot save a picture of window %s to %s\n", argc == 4 ? argv[3] : "root",
                     argv[2]);
        return 1;
    }
    return 0;
}

// A pixel whose left, upper and upper-left neighbours share its colour: the point of the
// one-pixel path a 2 x 2 brush was swept along.
int Find(char** argv)
{
    const QImage image(QString::fromLocal8Bit(argv[2]));
    const QRgb colour = 0xff000000u | static_cast<QRgb>(std::strtoul(argv[3], nullptr, 16));
    const QRect box = Box(argv + 4) & image.rect().adjusted(1, 1, 0, 0);
    const auto is = [&](int x, int y) { return image.pixel(x, y) == colour; };
    for (int x = box.left(); x <= box.right(); ++x)
        for (int y = box.top(); y <= box.bottom(); ++y)
            if (is(x, y) && is(x - 1, y) && is(x, y - 1) && is(x - 1, y - 1)) {
                std::printf("%d %d\n", x, y);
                return 0;
            }
    std::fprintf(stderr, "x-probe: no #%s curve in the box\n", argv[3]);
    return 1;
}

int Same(char** argv)
{
    const QImage a(QString::fromLocal8Bit(argv[2]));
    const QImage b(QString::fromLocal8Bit(argv[3]));
    const QRect box = Box(argv + 4);
    if (a.isNull() || b.isNull()) {
        std::fprintf(stderr, "x-probe: cannot read the pictures\n");
        return 2;
    }
    return a.copy(box) == b.copy(box) ? 0 : 1;
}

int Close(char** argv)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "x-probe: no X display\n");
        return 1;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = WindowId(argv[2]);
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
    XCloseDisplay(display);
    return sent ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const char* verb = argc > 1 ? argv[1] : "";
    if (!std::strcmp(verb, "shot") && (argc == 3 || argc == 4))
        return Shot(argc, argv);
    if (!std::strcmp(verb, "find") && argc == 8)
        return Find(argv);
    if (!std::strcmp(verb, "same") && argc == 8)
        return Same(argv);
    if (!std::strcmp(verb, "close") && argc == 3)
        return Close(argv);
    return Usage();
}
