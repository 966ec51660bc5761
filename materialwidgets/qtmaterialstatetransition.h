#pragma once
// A state-machine transition that fires only for state-transition events of one kind.

#include <QAbstractTransition>

class QtMaterialStateTransition : public QAbstractTransition
{
    Q_OBJECT

public:
    explicit QtMaterialStateTransition(int kind);

    int kind() const { return m_kind; }

protected:
    bool eventTest(QEvent *event) override;
    void onTransition(QEvent *event) override;

private:
    int m_kind;
};
