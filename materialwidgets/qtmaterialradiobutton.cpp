#include "materialwidgets/qtmaterialradiobutton.h"

#include "materialwidgets/qtmaterialcheckable_p.h"
#include "materialwidgets/qtmaterialcheckableicon.h"

#include <QPropertyAnimation>
#include <QState>
#include <QStateMachine>

// The radio button keeps the base record; its own type only runs the radio part of the set-up.
class QtMaterialRadioButtonPrivate : public QtMaterialCheckablePrivate
{
    Q_DECLARE_PUBLIC(QtMaterialRadioButton)

public:
    explicit QtMaterialRadioButtonPrivate(QtMaterialRadioButton *q) : QtMaterialCheckablePrivate(q) {}

    void init();
    // Unlike the check box, the ring keeps the unchecked colour while it shrinks away.
    void assignRadioStateColors();
};

void QtMaterialRadioButtonPrivate::init()
{
    Q_Q(QtMaterialRadioButton);

    q->setAutoExclusive(true);
    q->setCheckedIcon(QIcon(":/myImages/icons/qtmaterial/toggle/svg/production/ic_radio_button_checked_24px.svg"));
    q->setUncheckedIcon(QIcon(":/myImages/icons/qtmaterial/toggle/svg/production/ic_radio_button_unchecked_24px.svg"));

    uncheckedState->assignProperty(checkedIcon, "iconSize", 0);
    uncheckedState->assignProperty(uncheckedIcon, "iconSize", 24);
    uncheckedState->assignProperty(checkedIcon, "opacity", 0);
    uncheckedState->assignProperty(uncheckedIcon, "opacity", 1);
    checkedState->assignProperty(checkedIcon, "iconSize", 24);
    checkedState->assignProperty(uncheckedIcon, "iconSize", 0);
    checkedState->assignProperty(checkedIcon, "opacity", 1);
    checkedState->assignProperty(uncheckedIcon, "opacity", 0);
    disabledUncheckedState->assignProperty(checkedIcon, "iconSize", 0);
    disabledUncheckedState->assignProperty(uncheckedIcon, "iconSize", 24);
    disabledCheckedState->assignProperty(checkedIcon, "iconSize", 24);
    disabledCheckedState->assignProperty(uncheckedIcon, "iconSize", 0);
    assignRadioStateColors();

    checkedIcon->setIconSize(0);

    for (auto target : {std::make_pair(static_cast<QObject *>(checkedIcon), "iconSize"),
                        std::make_pair(static_cast<QObject *>(uncheckedIcon), "iconSize"),
                        std::make_pair(static_cast<QObject *>(uncheckedIcon), "opacity"),
                        std::make_pair(static_cast<QObject *>(checkedIcon), "opacity")}) {
        auto *animation = new QPropertyAnimation(target.first, target.second, q);
        animation->setDuration(250);
        stateMachine->addDefaultAnimation(animation);
    }
}

void QtMaterialRadioButtonPrivate::assignRadioStateColors()
{
    Q_Q(QtMaterialRadioButton);
    checkedState->assignProperty(checkedIcon, "color", q->checkedColor());
    checkedState->assignProperty(uncheckedIcon, "color", q->uncheckedColor());
    uncheckedState->assignProperty(uncheckedIcon, "color", q->uncheckedColor());
}

QtMaterialRadioButton::QtMaterialRadioButton(QWidget *parent)
    : QtMaterialCheckable(*new QtMaterialRadioButtonPrivate(this), parent)
{
    d_func()->init();
}

QtMaterialRadioButton::QtMaterialRadioButton(const QString &text, QWidget *parent) : QtMaterialRadioButton(parent)
{
    setText(text);
}

QtMaterialRadioButton::~QtMaterialRadioButton() = default;

void QtMaterialRadioButton::assignStateColors()
{
    Q_D(QtMaterialRadioButton);
    QtMaterialCheckable::assignStateColors();
    d->assignRadioStateColors();
}
