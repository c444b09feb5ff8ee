#include "Ventil.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char *argv[])
{
    // With no session bus to join, Qt's D-Bus support would have libdbus
    // start one (dbus-launch --autolaunch): a daemon that outlives the
    // program and writes under ~/.dbus. A bus that exists is still used.
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") &&
        (runtime.isEmpty() || !QFileInfo::exists(QString::fromLocal8Bit(runtime + "/bus"))))
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");

    // The program takes no command line: Qt gets only the program's name, so
    // its generic options (-style, -stylesheet, -reverse, -platform...) do
    // nothing. Its environment variables still work.
    int qtArgc = argc > 0 ? 1 : 0;
    char *qtArgv[] = {qtArgc ? argv[0] : nullptr, nullptr};
    QApplication app(qtArgc, qtArgv);
    QGuiApplication::setDesktopFileName(QStringLiteral("cz.ventil.Ventil"));
    Ventil::PripravAplikaci();
    Ventil okno;
    okno.show();
    return app.exec();
}
