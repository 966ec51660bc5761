#pragma once
// A text field that offers the entries of a list containing the typed text as a column of buttons below itself.

#include "materialwidgets/qtmaterialtextfield.h"

class QtMaterialAutoCompletePrivate;

class QtMaterialAutoComplete : public QtMaterialTextField
{
    Q_OBJECT

public:
    explicit QtMaterialAutoComplete(QWidget *parent = nullptr);
    ~QtMaterialAutoComplete() override;

    // Takes effect at the next edit; the suggestions shown stay as they are.
    void setDataSource(const QStringList &source);
    QStringList dataSource() const;

    // The suggestion column and its white backing, siblings of the field in its parent.
    QWidget *menu() const;
    QWidget *frame() const;

signals:
    // Emitted when the user pressed a suggestion, after its text was put into the field.
    void itemSelected(QString text);

protected slots:
    void updateResults(QString text);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Q_DISABLE_COPY(QtMaterialAutoComplete)
    Q_DECLARE_PRIVATE(QtMaterialAutoComplete)
};
