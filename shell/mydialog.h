#pragma once
// Base of every page and dialog: the application background, a toast of its own and the page identity.

#include <QColor>
#include <QDialog>
#include <QString>

class QtMaterialSnackbar;

class MyDialog : public QDialog
{
    Q_OBJECT

public:
    // A dialog: no page id and no page name.
    explicit MyDialog(QWidget *parent);
    // A page made by the main window's page factory.
    MyDialog(const QString &id, const QString &name, QWidget *parent);

    QString pageId() const;
    QString pageName() const;
    void setPageName(const QString &name);

    // Reloads the page's devices; empty here, the device-kind pages override it.
    virtual void refresh();

    QtMaterialSnackbar *toast() const { return m_snackbar; }

    // Set by a page while its page-enter handler resets its own inputs, so that their change handlers
    // do not reload in between.
    bool loading = false;

    static const QColor backgroundColor; // #263440
    static const QColor panelColor;      // #1F2933, the rounded panel of the modal dialogs

signals:
    // A status text of the dialog itself, shown in its own toast while the dialog is visible.
    void signalsInformation(QString info);

public slots:
    void slotsInformation(QString info);

protected:
    void keyPressEvent(QKeyEvent *event) override;

    // Makes the dialog a frameless top-level window whose only visible part is the rounded panel
    // that paintPanel draws.
    void makeFramelessPanel();
    void paintPanel();

private:
    void setUp(const QString &id, const QString &name);

    QtMaterialSnackbar *m_snackbar = nullptr;
    QString m_id;
    QString m_name;
};
