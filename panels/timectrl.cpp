#include "panels/timectrl.h"

#include "materialwidgets/qtmateriallabel.h"
#include "materialwidgets/qtmateriallineedit.h"

#include <QGridLayout>
#include <QIntValidator>
#include <QRegularExpression>

namespace {

// Like scanf's "%d": optional blanks and sign, then digits; anything else reads as 0.
int leadingNumber(const QString &text, int *consumed = nullptr)
{
    static const QRegularExpression number(QStringLiteral("^\\s*([+-]?\\d+)"));
    const QRegularExpressionMatch match = number.match(text);
    if (consumed)
        *consumed = match.hasMatch() ? match.capturedEnd(0) : -1;
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

} // namespace

TimeCtrl::TimeCtrl() : QWidget(nullptr), leftEdit(new QtMaterialLineEdit(this)), rightEdit(new QtMaterialLineEdit(this))
{
    leftEdit->setObjectName("leftEdit");
    rightEdit->setObjectName("rightEdit");
    for (QtMaterialLineEdit *edit : {leftEdit, rightEdit}) {
        edit->setValidator(new QIntValidator(edit));
        connect(edit, &QLineEdit::textChanged, this, &TimeCtrl::textChanged);
        connect(edit, &QLineEdit::editingFinished, this, &TimeCtrl::editingFinished);
    }
    auto *layout = new QGridLayout(this);
    layout->addWidget(leftEdit, 0, 0);
    layout->addWidget(new QtMaterialLabel(":", this), 0, 1);
    layout->addWidget(rightEdit, 0, 2);
    layout->setRowStretch(1, 1);
}

QString TimeCtrl::time() const
{
    return QString::asprintf("%d:%d", leadingNumber(leftEdit->text()), leadingNumber(rightEdit->text()));
}

void TimeCtrl::setTime(const QString &time)
{
    int consumed = 0;
    const int first = leadingNumber(time, &consumed);
    int second = 0;
    if (consumed >= 0 && time.mid(consumed).startsWith(QLatin1Char(':')))
        second = leadingNumber(time.mid(consumed + 1));
    leftEdit->setText(QString::asprintf("%d", first));
    rightEdit->setText(QString::asprintf("%d", second));
}

void TimeCtrl::textChanged(QString text)
{
    auto *edit = qobject_cast<QtMaterialLineEdit *>(sender());
    if (edit && leadingNumber(text) > 59)
        edit->setText(QStringLiteral("59"));
}

void TimeCtrl::editingFinished()
{
    auto *edit = qobject_cast<QtMaterialLineEdit *>(sender());
    if (edit && edit->text().isEmpty())
        edit->setText(QStringLiteral("0"));
}
