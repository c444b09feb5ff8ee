// An empty window of the size of Ventil's, the baseline that bench/startup.py
// holds Ventil's start-up against; with the argument "popisek", the same
// window showing one label: the floor of any window that shows text, since
// only text starts the font machinery.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget okno;
    okno.setWindowTitle(QStringLiteral("Prázdné okno"));
    okno.setFixedSize(724, 504);
    if (argc > 1 && qstrcmp(argv[1], "popisek") == 0)
        new QLabel(QStringLiteral("Ventil"), &okno);
    okno.show();
    return app.exec();
}
