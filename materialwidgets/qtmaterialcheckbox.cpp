#include "materialwidgets/qtmaterialcheckbox.h"

#include "materialwidgets/qtmaterialcheckable_p.h"
#include "materialwidgets/qtmaterialcheckableicon.h"

#include <QPropertyAnimation>
#include <QSignalTransition>
#include <QState>

// The check box keeps the base record; its own type only runs the check-box part of the set-up.
class QtMaterialCheckBoxPrivate : public QtMaterialCheckablePrivate
{
    Q_DECLARE_PUBLIC(QtMaterialCheckBox)

public:
    explicit QtMaterialCheckBoxPrivate(QtMaterialCheckBox *q) : QtMaterialCheckablePrivate(q) {}

    void init();
};

void QtMaterialCheckBoxPrivate::init()
{
    Q_Q(QtMaterialCheckBox);

    checkedState->assignProperty(checkedIcon, "iconSize", 24);
    uncheckedState->assignProperty(checkedIcon, "iconSize", 0);

    // Only the two toggle transitions animate; entering and leaving the disabled states is immediate.
    auto animate = [q](QObject *target, const char *property, int duration) {
        auto *animation = new QPropertyAnimation(target, property, q);
        animation->setDuration(duration);
        return animation;
    };
    uncheckedTransition->addAnimation(animate(checkedIcon, "iconSize", 300));
    checkedTransition->addAnimation(animate(checkedIcon, "iconSize", 1300));

    for (auto *animation : {animate(checkedIcon, "opacity", 440), animate(uncheckedIcon, "opacity", 440),
                            animate(uncheckedIcon, "color", 440)}) {
        uncheckedTransition->addAnimation(animation);
        checkedTransition->addAnimation(animation);
    }
}

QtMaterialCheckBox::QtMaterialCheckBox(QWidget *parent)
    : QtMaterialCheckable(*new QtMaterialCheckBoxPrivate(this), parent)
{
    d_func()->init();
}

QtMaterialCheckBox::QtMaterialCheckBox(const QString &text, QWidget *parent) : QtMaterialCheckBox(parent)
{
    setText(text);
}

QtMaterialCheckBox::~QtMaterialCheckBox() = default;
