#include "materialwidgets/qtmaterialautocomplete.h"

#include "materialwidgets/qtmaterialautocomplete_p.h"
#include "materialwidgets/qtmaterialautocompletestatemachine.h"
#include "materialwidgets/qtmaterialflatbutton.h"
#include "materialwidgets/qtmaterialstyle.h"

#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QPainter>
#include <QVBoxLayout>

QtMaterialAutoCompletePrivate::QtMaterialAutoCompletePrivate(QtMaterialAutoComplete *q) : QtMaterialTextFieldPrivate(q)
{
}

QtMaterialAutoCompletePrivate::~QtMaterialAutoCompletePrivate() = default;

void QtMaterialAutoCompletePrivate::init()
{
    Q_Q(QtMaterialAutoComplete);

    menu = new QWidget;
    frame = new QWidget;
    stateMachine = new QtMaterialAutoCompleteStateMachine(menu);
    menuLayout = new QVBoxLayout;
    maxWidth = 0;

    menu->setParent(q->parentWidget());
    frame->setParent(q->parentWidget());

    menu->installEventFilter(q);
    frame->installEventFilter(q);

    auto *effect = new QGraphicsDropShadowEffect;
    effect->setBlurRadius(11);
    effect->setColor(QColor(0, 0, 0, 50));
    effect->setOffset(0, 3);

    frame->setGraphicsEffect(effect);
    frame->setVisible(false);

    menu->setLayout(menuLayout);
    menu->setVisible(false);

    menuLayout->setContentsMargins(0, 0, 0, 0);
    menuLayout->setSpacing(0);

    QObject::connect(q, &QLineEdit::textEdited, q, &QtMaterialAutoComplete::updateResults);

    stateMachine->start();
}

QtMaterialAutoComplete::QtMaterialAutoComplete(QWidget *parent)
    : QtMaterialTextField(*new QtMaterialAutoCompletePrivate(this), parent)
{
    d_func()->init();
}

QtMaterialAutoComplete::~QtMaterialAutoComplete()
{
    Q_D(QtMaterialAutoComplete);
    // Menu and frame sit in the parent; a field removed from a form that stays must take them along.
    delete d->menu.data();
    delete d->frame.data();
}

void QtMaterialAutoComplete::setDataSource(const QStringList &source)
{
    Q_D(QtMaterialAutoComplete);
    d->dataSource = source;
    update();
}

QStringList QtMaterialAutoComplete::dataSource() const
{
    return d_func()->dataSource;
}

QWidget *QtMaterialAutoComplete::menu() const
{
    return d_func()->menu;
}

QWidget *QtMaterialAutoComplete::frame() const
{
    return d_func()->frame;
}

void QtMaterialAutoComplete::updateResults(QString text)
{
    Q_D(QtMaterialAutoComplete);

    if (!d->menu) {
        return;
    }

    QStringList results;
    const QString trimmed(text.trimmed());
    if (!trimmed.isEmpty()) {
        const QString needle = trimmed.toLower();
        for (const QString &entry : qAsConst(d->dataSource)) {
            if (entry.toLower().contains(needle)) {
                results.push_back(entry);
            }
        }
    }

    const QFont font = QtMaterialStyle::instance().themeFont(8);
    const int have = d->menuLayout->count();
    const int want = results.size();

    if (have < want) {
        for (int i = have; i < want; ++i) {
            auto *item = new QtMaterialFlatButton;
            item->setFont(font);
            item->setTextAlignment(Qt::AlignLeft);
            item->setCornerRadius(0);
            item->setHaloVisible(false);
            item->setFixedHeight(50);
            item->setOverlayStyle(Material::OverlayColored);
            d->menuLayout->addWidget(item);
            item->installEventFilter(this);
        }
    } else {
        for (int i = want; i < have; ++i) {
            QLayoutItem *item = d->menuLayout->takeAt(0);
            delete item->widget();
            delete item;
        }
    }

    d->maxWidth = 0;
    const QFontMetrics metrics(font);
    for (int i = 0; i < want; ++i) {
        auto *item = static_cast<QtMaterialFlatButton *>(d->menuLayout->itemAt(i)->widget());
        const QString &result = results.at(i);
        item->setText(result);
        d->maxWidth = qMax(d->maxWidth, metrics.boundingRect(result).width());
    }

    if (results.isEmpty()) {
        emit d->stateMachine->shouldClose();
    } else {
        emit d->stateMachine->shouldOpen();
    }

    d->menu->setFixedHeight(want * 50);
    d->menu->setFixedWidth(qMax(d->maxWidth + 24, width()));
    d->menu->update();
}

bool QtMaterialAutoComplete::event(QEvent *event)
{
    Q_D(QtMaterialAutoComplete);

    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        if (d->menu) {
            d->menu->move(pos() + QPoint(0, height() + 6));
        }
        break;
    case QEvent::ParentChange:
        if (QWidget *widget = parentWidget()) {
            if (d->menu) {
                d->menu->setParent(widget);
            }
            if (d->frame) {
                d->frame->setParent(widget);
            }
        }
        break;
    default:
        break;
    }
    return QtMaterialTextField::event(event);
}

bool QtMaterialAutoComplete::eventFilter(QObject *watched, QEvent *event)
{
    Q_D(QtMaterialAutoComplete);

    if (d->frame && watched == d->frame) {
        if (event->type() == QEvent::Paint) {
            QPainter painter(d->frame);
            painter.fillRect(d->frame->rect(), Qt::white);
        }
    } else if (d->menu && watched == d->menu) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
            if (d->frame) {
                d->frame->setGeometry(d->menu->geometry());
            }
            break;
        case QEvent::Show:
            if (d->frame) {
                d->frame->show();
            }
            d->menu->raise();
            break;
        case QEvent::Hide:
            if (d->frame) {
                d->frame->hide();
            }
            break;
        default:
            break;
        }
    } else if (event->type() == QEvent::MouseButtonPress) {
        if (auto *button = qobject_cast<QtMaterialFlatButton *>(watched)) {
            emit d->stateMachine->shouldFade();
            const QString selected = button->text();
            setText(selected);
            emit itemSelected(selected);
        }
    }
    return QtMaterialTextField::eventFilter(watched, event);
}
