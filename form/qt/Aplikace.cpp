#include "Aplikace.h"

#include "Displej.h"
#include "VzhledOkna.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QResource>

namespace {

// The bundled face stands in for the design's dialog font and for its
// "MS Sans Serif": metric-compatible with the fonts the layout was drawn
// for, so every caption fits its control, with Central European glyphs.
const QString Pismo = QStringLiteral("Carlito");

void ZaregistrujPisma()
{
    // Where the system has the face, its fonts take precedence anyway and
    // fontconfig knows them from its cache: registering ours would only make
    // it scan every glyph of the two files. Otherwise the faces are read in
    // place from the uncompressed resources: through a file each would be
    // copied to the heap, 1.3 MB together.
    if (QFontDatabase::hasFamily(Pismo))
        return;
    for (const char *cesta : {":/res/fonts/Carlito-Regular.ttf", ":/res/fonts/Carlito-Bold.ttf"}) {
        const QResource r(QString::fromLatin1(cesta));
        QFontDatabase::addApplicationFontFromData(
            r.compressionAlgorithm() == QResource::NoCompression
                ? QByteArray::fromRawData(reinterpret_cast<const char *>(r.data()), r.size())
                : r.uncompressedData());
    }
}

} // namespace

PredSpustenimQt::PredSpustenimQt(char *nazevProgramu)
    : argc(nazevProgramu ? 1 : 0), argv{nazevProgramu, nullptr}
{
    // With no session bus to join, Qt's D-Bus support would have libdbus
    // start one (dbus-launch --autolaunch): a daemon that outlives the
    // program and writes under ~/.dbus. A bus that exists is still used.
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") &&
        (runtime.isEmpty() || !QFileInfo::exists(QString::fromLocal8Bit(runtime + "/bus"))))
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    HlidejOtevreniOkna();
}

// The style and the font are the application's before the first widget is
// made, so no widget is laid out in others first and then again.
Aplikace::Aplikace(char *nazevProgramu)
    : PredSpustenimQt(nazevProgramu), QApplication(PredSpustenimQt::argc, PredSpustenimQt::argv)
{
    OknoOtevreno();
    // Qt's own texts (a field's context menu, any standard dialog) are Czech
    // like the window's, whatever the locale, from Qt's translations on the
    // system; where it has none they stay English.
    if (prekladQt_.load(QStringLiteral("qtbase_cs"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&prekladQt_);
    setDesktopFileName(QStringLiteral(VENTIL_APP_ID));
    ZaregistrujPisma();
    // This style draws a group frame's caption over its top line, with the
    // frame's contents placed from its outer corner as designed; Fusion puts
    // the caption above the line, where the option buttons of Frame1 would
    // cover it.
    setStyle(QStringLiteral("windows"));
    QFont pismo(Pismo);
    pismo.setPointSizeF(PismoOkna.body);
    pismo.setBold(PismoOkna.tucne);
    setFont(pismo);
}
