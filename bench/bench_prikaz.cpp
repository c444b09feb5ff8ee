// The compute command as the window runs it, from the click on "Spočítej" to
// its last text written, against writing the same six output texts alone;
// then the command on the longest texts the fields take. Runs on the
// offscreen platform unless told otherwise.
//
//   bench_prikaz [runs]   (default 5000 per medium and per side)
#include "Aplikace.h"
#include "Ventil.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr std::array<const char *, 6> Vystupy = {"TPrutok", "TObjem1", "TObjem12",
                                                 "TObjem2", "Tkvs",    "THlaska"};

template <typename F> double Mikrosekundy(F &&f)
{
    const auto zacatek = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - zacatek)
        .count();
}

double Median(std::vector<double> v)
{
    const auto stred = v.begin() + v.size() / 2;
    std::nth_element(v.begin(), stred, v.end());
    return *stred;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Aplikace aplikace(argv[0]);
    const int behy = argc > 1 ? std::atoi(argv[1]) : 5000;

    Ventil okno;
    okno.show();
    auto *pocitej = okno.findChild<QPushButton *>(QStringLiteral("TPocitej"));
    std::array<QLabel *, Vystupy.size()> popisky;
    for (std::size_t i = 0; i < Vystupy.size(); ++i)
        popisky[i] = okno.findChild<QLabel *>(QString::fromLatin1(Vystupy[i]));

    for (const char *medium : {"TMedium1", "TMedium2"}) {
        okno.findChild<QRadioButton *>(QString::fromLatin1(medium))->click();
        pocitej->click();
        // QLabel::setText returns early on an unchanged text, so each side
        // starts from other texts: the command writes its results over these,
        // the plain writes put these back over the results.
        std::array<QString, Vystupy.size()> jine;
        for (std::size_t i = 0; i < popisky.size(); ++i)
            jine[i] = popisky[i]->text().isEmpty() ? QString() : popisky[i]->text() + u'0';

        std::vector<double> prikaz, zapis;
        for (int n = -behy / 10; n < behy; ++n) {
            const double p = Mikrosekundy([&] { pocitej->click(); });
            const double z = Mikrosekundy([&] {
                for (std::size_t i = 0; i < popisky.size(); ++i)
                    popisky[i]->setText(jine[i]);
            });
            QCoreApplication::processEvents();
            if (n >= 0) {
                prikaz.push_back(p);
                zapis.push_back(z);
            }
        }
        const double mp = Median(prikaz), mz = Median(zapis);
        std::printf("%s: compute command %.2f us, six texts alone %.2f us, ratio %.2f (medians of "
                    "%d)\n",
                    medium, mp, mz, mp / mz, behy);
    }

    // Every field full of digits, as a paste leaves it: all six are read,
    // then refused as out of range.
    for (QLineEdit *pole : okno.findChildren<QLineEdit *>())
        pole->setText(QString(pole->maxLength(), u'9'));
    std::vector<double> dlouhe;
    for (int n = 0; n < behy / 10; ++n)
        dlouhe.push_back(Mikrosekundy([&] { pocitej->click(); }));
    std::printf("longest texts: compute command %.2f us (median of %d)\n", Median(dlouhe),
                behy / 10);
    return 0;
}
