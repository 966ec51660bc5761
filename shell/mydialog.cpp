#include "shell/mydialog.h"

#include "materialwidgets/qtmaterialsnackbar.h"

#include <QKeyEvent>
#include <QPainter>

const QColor MyDialog::backgroundColor(0x26, 0x34, 0x40);
const QColor MyDialog::panelColor(0x1F, 0x29, 0x33);

MyDialog::MyDialog(QWidget *parent) : QDialog(parent)
{
    setUp(QString(), QString());
}

MyDialog::MyDialog(const QString &pageId, const QString &pageName, QWidget *parent) : QDialog(parent)
{
    setUp(pageId, pageName);
}

void MyDialog::setUp(const QString &pageId, const QString &pageName)
{
    m_snackbar = new QtMaterialSnackbar(nullptr);
    m_snackbar->setParent(this);
    m_id = pageId;
    m_name = pageName;
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setBrush(QPalette::All, QPalette::Window, QBrush(backgroundColor));
    setPalette(pal);
    connect(this, &MyDialog::signalsInformation, this, &MyDialog::slotsInformation);
}

QString MyDialog::pageId() const
{
    return m_id;
}

QString MyDialog::pageName() const
{
    return m_name;
}

void MyDialog::setPageName(const QString &pageName)
{
    m_name = pageName;
}

void MyDialog::refresh() {}

void MyDialog::slotsInformation(QString info)
{
    // A text reported while nobody can see it is stale by the time the dialog shows again.
    if (isVisible())
        m_snackbar->addMessage(info);
}

void MyDialog::keyPressEvent(QKeyEvent *event)
{
    // A dialog's Escape rejects it. A page is no dialog of its own: rejecting would hide it and leave the
    // page host empty until the next navigation, so a page lets the key pass like any other widget.
    if (!m_id.isEmpty() && event->key() == Qt::Key_Escape) {
        QWidget::keyPressEvent(event);
        return;
    }
    QDialog::keyPressEvent(event);
}

void MyDialog::makeFramelessPanel()
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
}

void MyDialog::paintPanel()
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(panelColor);
    painter.drawRoundedRect(QRect(0, 0, width(), height()), 10, 10, Qt::AbsoluteSize);
}
