#include "app/ProbaUzytkownika.h"

#include "app/Program.h"
#include "settings/UUstawienia.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace {

constexpr const char *Zmienna = "LOMI_PROBA_UZYTKOWNIKA";

class Proba : public QObject
{
public:
    explicit Proba(TProgram &p) : m_p(p), m_raport(qEnvironmentVariable(Zmienna)) { qApp->installEventFilter(this); }

    void Zapisz(const QString &wiersz)
    {
        QFile f(m_raport);
        if (f.open(QIODevice::Append | QIODevice::Text))
            f.write(wiersz.toUtf8() + '\n');
    }

    // Runs a command that opens a modal dialog and answers the dialog.
    template <typename Okno>
    void ZOknem(const std::function<void()> &polecenie, const std::function<void(Okno *)> &odpowiedz)
    {
        auto *czekanie = new QTimer(this);
        int proby = 0;
        connect(czekanie, &QTimer::timeout, this, [=, this]() mutable {
            if (auto *o = qobject_cast<Okno *>(QApplication::activeModalWidget())) {
                czekanie->deleteLater();
                odpowiedz(o);
            } else if (++proby > 200) {
                czekanie->deleteLater();
                Zapisz(QStringLiteral("brak okna"));
                if (QWidget *w = QApplication::activeModalWidget())
                    w->close();
            }
        });
        czekanie->start(50);
        polecenie();
    }

    void Plik(const QString &nazwa, const std::function<void()> &polecenie)
    {
        ZOknem<QFileDialog>(polecenie, [=, this](QFileDialog *d) {
            Zapisz(QStringLiteral("%1 %2").arg(nazwa, QDir::cleanPath(d->directory().absolutePath())));
            // As Enter in the dialog: the proposed name in the proposed folder.
            QMetaObject::invokeMethod(d, "accept", Qt::QueuedConnection);
        });
    }

    void Uruchom()
    {
        TForm1 &f = *m_p.Form1();
        Zapisz(QStringLiteral("ustawienia talia %1 uklad %2 stolik %3").arg(f.Talia).arg(f.NastUklad).arg(f.Stolik));
        Zapisz(QStringLiteral("uklad %1").arg(f.AktualnyUklad));
        if (f.AktualnyUklad == 0) { // nothing to keep: only what the user starts with
            f.close();
            return;
        }
        Plik(QStringLiteral("zapis"), [&f] { f.ZapiszUklad(); });
        Plik(QStringLiteral("eksport"), [&f] { f.ZapiszDoTekstu(); });
        ZOknem<TFUstawienia>([&f] { f.ZmienUstawienia(); },
                             [this](TFUstawienia *u) {
                                 QComboBox *tla = u->DBLookupComboBox2;
                                 if (tla->count() > 1)
                                     tla->setCurrentIndex((tla->currentIndex() + 1) % tla->count());
                                 Zapisz(QStringLiteral("tlo %1").arg(u->KluczTla()));
                                 u->BitBtn1->click();
                             });
        f.close();
        Zapisz(f.isVisible() ? QStringLiteral("okno zostalo") : QStringLiteral("zamkniete"));
    }

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Show) {
            if (auto *m = qobject_cast<QMessageBox *>(o)) {
                Zapisz(QStringLiteral("komunikat ") + QString(m->text()).replace(QLatin1Char('\n'), QLatin1Char(' ')));
                QTimer::singleShot(0, m, [m] { m->done(QMessageBox::Ok); });
            }
        }
        return QObject::eventFilter(o, e);
    }

private:
    TProgram &m_p;
    QString m_raport;
};

}

bool ProbaUzytkownika::Wlaczona()
{
    return qEnvironmentVariableIsSet(Zmienna);
}

void ProbaUzytkownika::Zacznij(TProgram &program)
{
    auto *p = new Proba(program);
    p->setParent(qApp);
    // Once the event loop runs, after the command line's spread is shown.
    QTimer::singleShot(0, p, [p] { p->Uruchom(); });
}
