// The in-window dialog: hidden and click-through at first, the fade-in with its dimming, the panel taking the
// mouse only once shown, and the immediate click-through on hide.

#include "materialwidgets/qtmaterialdialog.h"
#include "materialwidgets/qtmaterialdialogproxy.h"
#include "materialwidgets/qtmaterialdialogwindow.h"

#include <QLayout>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>
#include <QtTest>

class TestDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newDialogLetsClicksThrough();
    void openingFadesInThenTakesTheMouse();
    void hideLetsClicksThroughAtOnce();
    void panelIsAtLeast400Wide();
    void repeatedShowChangesNothing();

private:
    QtMaterialDialogProxy *proxy() const { return m_dialog->findChild<QtMaterialDialogProxy *>(); }

    QWidget *m_page = nullptr;
    QPushButton *m_pageButton = nullptr;
    QtMaterialDialog *m_dialog = nullptr;
    QPushButton *m_ok = nullptr;
};

void TestDialog::init()
{
    m_page = new QWidget;
    m_page->resize(800, 600);
    m_pageButton = new QPushButton(QStringLiteral("Page"), m_page);
    m_pageButton->setGeometry(10, 10, 100, 30);
    m_dialog = new QtMaterialDialog(m_page);
    auto *layout = new QVBoxLayout;
    m_ok = new QPushButton(QStringLiteral("Confirm"));
    layout->addWidget(m_ok);
    m_dialog->setSurfaceLayout(layout);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page));
}

void TestDialog::cleanup()
{
    delete m_page;
    m_page = nullptr;
}

void TestDialog::newDialogLetsClicksThrough()
{
    QCOMPARE(m_dialog->geometry(), QRect(0, 0, 800, 600));
    QVERIFY(m_dialog->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(proxy()->opacity(), 0.0);
    // The machine's default animations also run for the initial state.
    QTRY_COMPARE(proxy()->mode(), int(QtMaterialDialogProxy::Transparent));
    QCOMPARE(m_dialog->layout()->contentsMargins().bottom(), 200);

    QSignalSpy clicked(m_pageButton, &QPushButton::clicked);
    QTest::mouseClick(m_page->windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 25));
    QCOMPARE(clicked.count(), 1);

    // Nothing visible: the dimming is painted at opacity 0 and the proxy paints nothing.
    const QImage image = m_page->grab().toImage();
    QCOMPARE(QColor(image.pixel(400, 300)), m_page->palette().color(QPalette::Window));
    QCOMPARE(QColor(image.pixel(5, 590)), m_page->palette().color(QPalette::Window));
}

void TestDialog::openingFadesInThenTakesTheMouse()
{
    m_dialog->showDialog();
    QTRY_COMPARE(proxy()->mode(), int(QtMaterialDialogProxy::SemiTransparent));
    QVERIFY(m_dialog->testAttribute(Qt::WA_TransparentForMouseEvents));
    QTRY_COMPARE(proxy()->mode(), int(QtMaterialDialogProxy::Opaque));
    QCOMPARE(proxy()->opacity(), 1.0);
    QVERIFY(!m_dialog->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(m_dialog->layout()->contentsMargins().bottom(), 0);
    auto *stack = qobject_cast<QStackedLayout *>(m_dialog->dialogWindow()->parentWidget()->layout());
    QVERIFY(stack);
    QCOMPARE(stack->currentIndex(), 0);

    // The page is dimmed with black at 1/2.4 and its button no longer gets the press.
    const QColor dimmed(m_page->grab().toImage().pixel(5, 590));
    const QColor plain = m_page->palette().color(QPalette::Window);
    QVERIFY(qAbs(dimmed.red() - int(plain.red() * (1 - 1 / 2.4))) <= 2);

    QSignalSpy pageClicked(m_pageButton, &QPushButton::clicked);
    QTest::mouseClick(m_page->windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 25));
    QCOMPARE(pageClicked.count(), 0);

    QSignalSpy okClicked(m_ok, &QPushButton::clicked);
    const QPoint okCentre = m_ok->mapTo(m_page, m_ok->rect().center());
    QTest::mouseClick(m_page->windowHandle(), Qt::LeftButton, Qt::NoModifier, okCentre);
    QCOMPARE(okClicked.count(), 1);
}

void TestDialog::hideLetsClicksThroughAtOnce()
{
    m_dialog->showDialog();
    QTRY_COMPARE(proxy()->mode(), int(QtMaterialDialogProxy::Opaque));

    m_dialog->hideDialog();
    QVERIFY(m_dialog->testAttribute(Qt::WA_TransparentForMouseEvents));
    QSignalSpy clicked(m_pageButton, &QPushButton::clicked);
    QTest::mouseClick(m_page->windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 25));
    QCOMPARE(clicked.count(), 1);

    QTRY_COMPARE(proxy()->mode(), int(QtMaterialDialogProxy::Transparent));
    QCOMPARE(m_dialog->layout()->contentsMargins().bottom(), 200);
}

void TestDialog::panelIsAtLeast400Wide()
{
    m_dialog->showDialog();
    QTRY_COMPARE(proxy()->mode(), int(QtMaterialDialogProxy::Opaque));
    QVERIFY(m_dialog->dialogWindow()->width() >= 400);
}

void TestDialog::repeatedShowChangesNothing()
{
    m_dialog->showDialog();
    QTRY_COMPARE(proxy()->mode(), int(QtMaterialDialogProxy::Opaque));
    m_dialog->showDialog();
    QTest::qWait(50);
    QCOMPARE(proxy()->mode(), int(QtMaterialDialogProxy::Opaque));
    QVERIFY(!m_dialog->testAttribute(Qt::WA_TransparentForMouseEvents));
}

QTEST_MAIN(TestDialog)
#include "tst_dialog.moc"
