#include "materialwidgets/qtmaterialtextfieldstatemachine.h"

#include "materialwidgets/qtmaterialtextfield.h"
#include "materialwidgets/qtmaterialtextfieldlabel.h"

#include <QEventTransition>
#include <QPropertyAnimation>
#include <QState>

QtMaterialTextFieldStateMachine::QtMaterialTextFieldStateMachine(QtMaterialTextField *parent)
    : QStateMachine(parent), m_textField(parent), m_normalState(new QState), m_focusedState(new QState)
{
    addState(m_normalState);
    addState(m_focusedState);
    setInitialState(m_normalState);

    auto *transition = new QEventTransition(parent, QEvent::FocusIn);
    transition->setTargetState(m_focusedState);
    m_normalState->addTransition(transition);

    auto *animation = new QPropertyAnimation(this, "progress", this);
    animation->setEasingCurve(QEasingCurve::InCubic);
    animation->setDuration(310);
    transition->addAnimation(animation);

    transition = new QEventTransition(parent, QEvent::FocusOut);
    transition->setTargetState(m_normalState);
    m_focusedState->addTransition(transition);

    animation = new QPropertyAnimation(this, "progress", this);
    animation->setEasingCurve(QEasingCurve::OutCubic);
    animation->setDuration(310);
    transition->addAnimation(animation);

    m_normalState->assignProperty(this, "progress", 0);
    m_focusedState->assignProperty(this, "progress", 1);

    setupProperties();

    connect(parent, &QLineEdit::textChanged, this, &QtMaterialTextFieldStateMachine::setupProperties);
}

QtMaterialTextFieldStateMachine::~QtMaterialTextFieldStateMachine() = default;

void QtMaterialTextFieldStateMachine::setLabel(QtMaterialTextFieldLabel *label)
{
    if (m_label && m_label != label) {
        delete m_label;
    }
    if (m_offsetAnimation) {
        removeDefaultAnimation(m_offsetAnimation);
        delete m_offsetAnimation;
        m_offsetAnimation = nullptr;
    }
    if (m_colorAnimation) {
        removeDefaultAnimation(m_colorAnimation);
        delete m_colorAnimation;
        m_colorAnimation = nullptr;
    }

    m_label = label;

    if (m_label) {
        m_offsetAnimation = new QPropertyAnimation(m_label, "offset", this);
        m_offsetAnimation->setDuration(210);
        m_offsetAnimation->setEasingCurve(QEasingCurve::OutCubic);
        addDefaultAnimation(m_offsetAnimation);

        m_colorAnimation = new QPropertyAnimation(m_label, "color", this);
        m_colorAnimation->setDuration(210);
        addDefaultAnimation(m_colorAnimation);
    }

    setupProperties();
}

void QtMaterialTextFieldStateMachine::setProgress(qreal progress)
{
    m_progress = progress;
    m_textField->update();
}

void QtMaterialTextFieldStateMachine::setupProperties()
{
    if (m_label) {
        const int m = m_textField->textMargins().top();
        const QPointF floated(0, 12 - m);
        const bool empty = m_textField->text().isEmpty();

        m_normalState->assignProperty(m_label, "offset", empty ? QPointF(0, 26) : floated);
        m_normalState->assignProperty(m_label, "color", m_textField->labelColor());
        m_normalState->assignProperty(m_label, "scale", 1);

        m_focusedState->assignProperty(m_label, "offset", floated);
        m_focusedState->assignProperty(m_label, "color", m_textField->inkColor());
        m_focusedState->assignProperty(m_label, "scale", 0.5);

        if (!qFuzzyIsNull(m_label->offset().y()) && !empty) {
            m_label->setOffset(floated);
        } else if (!m_textField->hasFocus() && m_label->offset().y() <= 0 && empty) {
            m_label->setOffset(QPointF(0, 26));
        }
        m_label->setColor(m_textField->labelColor());
    }
    m_textField->update();
}
