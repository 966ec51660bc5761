#include "panels/modespeeditem.h"

#include "materialwidgets/picturefile.h"
#include "materialwidgets/qtmaterialgroupbox.h"
#include "materialwidgets/qtmaterialstyle.h"
#include "shell/chooserparts.h"

#include <QGridLayout>
#include <QPainter>

namespace {
const QColor tileColor(0x1F, 0x29, 0x33);

ModeSpeedSelectDlg::ExecHook &execHook()
{
    static ModeSpeedSelectDlg::ExecHook hook;
    return hook;
}
} // namespace

ModeSpeedItem::ModeSpeedItem(int kind, int value, const QString &text, QWidget *parent)
    : DynamicWidget(tileColor, parent), tileKind(kind), currentValue(value), caption(text)
{
    setRound(true);
    setFixedSize(80, 80);
    connect(this, &DynamicWidget::signalsPressed, this, &ModeSpeedItem::slotsPressed);
}

void ModeSpeedItem::setValue(int value)
{
    currentValue = value;
    update();
}

void ModeSpeedItem::slotsPressed()
{
    emit signalsEdit(currentValue);
}

QString ModeSpeedItem::picturePath(int kind, int value)
{
    const QString dir = QStringLiteral(":/myImages/png/airConditioner/");
    if (kind == 1) {
        switch (value) {
        case 1:
            return dir + "icon-fan-high.png";
        case 2:
            return dir + "icon-fan-medium.png";
        case 3:
            return dir + "icon-fan-low.png";
        default:
            return dir + "icon-fan-auto.png";
        }
    }
    switch (value) {
    case 1:
        return dir + "icon-acmode-heat.png";
    case 2:
        return dir + "icon-acmode-fan.png";
    case 3:
        return dir + "icon-acmode-auto.png";
    default:
        return dir + "icon-acmode-cool.png";
    }
}

QRect ModeSpeedItem::pictureRect(const QSize &size, bool withText)
{
    const int side = withText ? 36 : 48;
    return QRect((size.width() - side) / 2, (size.height() - side) / 2, side, side);
}

void ModeSpeedItem::paintEvent(QPaintEvent *event)
{
    DynamicWidget::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPixmap(pictureRect(size(), !caption.isEmpty()),
                       picturePixmap(tr(picturePath(tileKind, currentValue).toUtf8().constData())));
    if (caption.isEmpty())
        return;
    painter.setFont(QtMaterialStyle::instance().themeFont(8));
    painter.setPen(Qt::white);
    const QString elided = painter.fontMetrics().elidedText(caption, Qt::ElideRight, width());
    painter.drawText(QRect(0, height() - 21, width(), 20), Qt::AlignHCenter | Qt::AlignBottom | Qt::AlignVCenter,
                     elided);
}

ModeSpeedSelectDlg::ModeSpeedSelectDlg(QWidget *parent) : MyDialog(parent)
{
    setObjectName("ModeSpeedSelectDlg");
    resize(400, 300);
    setWindowTitle("Dialog");
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    groupBox = addChooserFrame(this, "groupBox");
    setFixedSize(120, 400);
}

void ModeSpeedSelectDlg::initItems()
{
    struct Choice
    {
        const char *caption;
        int value;
    };
    static const Choice speeds[] = {{"Auto", 0}, {"Low", 3}, {"Med", 2}, {"High", 1}};
    static const Choice modes[] = {{"Auto", 3}, {"Cool", 0}, {"Heat", 1}, {"Fan", 2}};
    const Choice *choices = kind == 1 ? speeds : modes;
    const int tileKind = kind == 1 ? 1 : 0;

    auto *grid = new QGridLayout;
    grid->setSizeConstraint(QLayout::SetNoConstraint);
    for (int row = 0; row < 4; ++row) {
        auto *tile = new ModeSpeedItem(tileKind, choices[row].value, tr(choices[row].caption), groupBox);
        grid->addWidget(tile, row, 0);
        connect(tile, &ModeSpeedItem::signalsEdit, this, &ModeSpeedSelectDlg::slotsEdit);
    }
    grid->setRowStretch(4, 1);
    groupBox->setLayout(grid);
}

int ModeSpeedSelectDlg::exec()
{
    if (execHook())
        return execHook()(*this);
    return MyDialog::exec();
}

void ModeSpeedSelectDlg::setExecHook(const ExecHook &hook)
{
    execHook() = hook;
}

void ModeSpeedSelectDlg::slotsEdit(int value)
{
    selectedValue = value;
    accept();
}

void ModeSpeedSelectDlg::paintEvent(QPaintEvent *event)
{
    paintPanel();
    MyDialog::paintEvent(event);
}
