#include "Displej.h"

#include <QByteArrayList>
#include <QFileInfo>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler PredchoziZpracovani = nullptr;

// The platforms that draw on a display server; the others (offscreen,
// minimal, vnc, linuxfb, eglfs...) need none. Unset means Qt's default,
// X11 or Wayland. An entry may carry options: "xcb:option".
bool PotrebujeDisplej(const QByteArray &platformy)
{
    if (platformy.trimmed().isEmpty())
        return true;
    for (const QByteArray &platforma : platformy.split(';')) {
        const QByteArray jmeno = platforma.split(':').constFirst().trimmed();
        if (jmeno != "xcb" && !jmeno.startsWith("wayland"))
            return false;
    }
    return true;
}

bool MaDisplej()
{
    for (const char *promenna : {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET"})
        if (!qEnvironmentVariableIsEmpty(promenna))
            return true;
    // Wayland's client library falls back on this socket.
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(QString::fromLocal8Bit(runtime + "/wayland-0"));
}

// What Qt was given to open the window on: "DISPLAY=:57, WAYLAND_DISPLAY not set".
QByteArray Prostredi()
{
    QByteArrayList casti;
    for (const char *promenna : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const QByteArray hodnota = qgetenv(promenna);
        if (!hodnota.isEmpty())
            casti << QByteArray(promenna) + '=' + hodnota;
        else if (qstrcmp(promenna, "QT_QPA_PLATFORM") != 0)
            casti << QByteArray(promenna) + " not set";
    }
    return casti.join(", ");
}

// Qt reports a platform it cannot start (a display nobody answers on, a
// plugin that is missing or does not load) as a fatal message and then
// aborts. Its warnings before it name the cause and pass through; the fatal
// message itself gives way to a line of ours.
void ZpravaPriStartu(QtMsgType typ, const QMessageLogContext &kontext, const QString &zprava)
{
    if (typ != QtFatalMsg) {
        PredchoziZpracovani(typ, kontext, zprava);
        return;
    }
    std::fprintf(stderr, "ventil: cannot open the window (%s)\n", Prostredi().constData());
    // Nothing to save or close: the application is half made, and running
    // destructors on it could crash where Qt would have aborted.
    std::_Exit(1);
}

} // namespace

void HlidejOtevreniOkna()
{
    if (PotrebujeDisplej(qgetenv("QT_QPA_PLATFORM")) && !MaDisplej()) {
        std::fputs("ventil: no X11 or Wayland display to open the window on "
                   "(DISPLAY and WAYLAND_DISPLAY are not set)\n",
                   stderr);
        std::exit(1);
    }
    PredchoziZpracovani = qInstallMessageHandler(ZpravaPriStartu);
}

void OknoOtevreno()
{
    qInstallMessageHandler(PredchoziZpracovani);
}
