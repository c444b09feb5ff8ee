// An empty window of the size of Ventil's: the baseline that bench/startup.sh
// holds Ventil's start-up against.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget okno;
    okno.setWindowTitle(QStringLiteral("Prázdné okno"));
    okno.setFixedSize(724, 504);
    okno.show();
    return app.exec();
}
