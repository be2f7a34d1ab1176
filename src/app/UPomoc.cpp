#include "app/UPomoc.h"

#include "app/ikony.h"
#include "app/komunikaty.h"
#include "app/pomoc.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

TFPomoc::TFPomoc(const QString &folderPomocy, QWidget *rodzic) : QWidget(rodzic, Qt::Window), m_folder(folderPomocy)
{
    setWindowTitle(QStringLiteral("Pomoc"));
    setWindowIcon(IkonaProgramu());
    Przegladarka = new QTextBrowser(this);
    // Links are followed by hand: QTextBrowser would open outside pages in
    // itself or hand them to the desktop past the program's own layer.
    Przegladarka->setOpenLinks(false);
    Przegladarka->setAccessibleName(QStringLiteral("Treść pomocy"));
    connect(Przegladarka, &QTextBrowser::anchorClicked, this, &TFPomoc::LinkKlikniety);

    auto przycisk = [this](const QString &tekst, QKeySequence skrot) {
        auto *b = new QToolButton(this);
        b->setText(tekst);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setShortcut(skrot);
        b->setToolTip(QStringLiteral("%1 (%2)").arg(tekst, skrot.toString(QKeySequence::NativeText)));
        return b;
    };
    Wstecz = przycisk(QStringLiteral("Wstecz"), QKeySequence(Qt::ALT | Qt::Key_Left));
    Dalej = przycisk(QStringLiteral("Dalej"), QKeySequence(Qt::ALT | Qt::Key_Right));
    SpisTresci = przycisk(QStringLiteral("Spis treści"), QKeySequence(Qt::ALT | Qt::Key_Home));
    Wstecz->setEnabled(false);
    Dalej->setEnabled(false);
    connect(Wstecz, &QToolButton::clicked, Przegladarka, &QTextBrowser::backward);
    connect(Dalej, &QToolButton::clicked, Przegladarka, &QTextBrowser::forward);
    connect(SpisTresci, &QToolButton::clicked, this, [this] {
        if (m_poczatek.isValid())
            Przegladarka->setSource(m_poczatek);
    });
    connect(Przegladarka, &QTextBrowser::backwardAvailable, Wstecz, &QToolButton::setEnabled);
    connect(Przegladarka, &QTextBrowser::forwardAvailable, Dalej, &QToolButton::setEnabled);
    auto *zamknij = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(zamknij, &QShortcut::activated, this, &QWidget::close);

    auto *pasek = new QHBoxLayout;
    pasek->setContentsMargins(4, 4, 4, 0);
    pasek->addWidget(Wstecz);
    pasek->addWidget(Dalej);
    pasek->addWidget(SpisTresci);
    pasek->addStretch();
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(4);
    l->addLayout(pasek);
    l->addWidget(Przegladarka);

    // Beside the main window rather than over all of it, on small screens too.
    QSize rozmiar(860, 680);
    if (const QScreen *ekran = QGuiApplication::primaryScreen())
        rozmiar = rozmiar.boundedTo(ekran->availableSize() * 9 / 10);
    resize(rozmiar);
}

void TFPomoc::Pokaz(const QString &sciezka)
{
    const QUrl strona = QUrl::fromLocalFile(sciezka);
    m_poczatek = strona;
    // A file that is not there (or a pipe in its place) is not opened: reading
    // it would show nothing or block the program.
    if (QFileInfo(sciezka).isFile()) {
        Przegladarka->setSource(strona);
    } else {
        Przegladarka->clearHistory();
        Przegladarka->setHtml(QStringLiteral("<p>Nie znaleziono dokumentu pomocy „%1”.</p>")
                                  .arg(QFileInfo(sciezka).fileName().toHtmlEscaped()));
    }
    show();
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void TFPomoc::LinkKlikniety(const QUrl &link)
{
    const QUrl cel = Przegladarka->source().resolved(link);
    if (StronaPomocy(cel, m_folder)) {
        // A page missing from the folder is a dead link: nothing happens.
        if (QFileInfo(cel.toLocalFile()).isFile())
            Przegladarka->setSource(cel);
        return;
    }
    // The desktop's answer is ignored, as for every document it opens.
    OtworzDokumentPulpitu(cel);
}
