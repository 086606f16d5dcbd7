#include "FormFactory.h"

#include <QList>
#include <QPointer>

namespace {
QList<QPointer<QWidget>>& ownedForms()
{
    static QList<QPointer<QWidget>> forms;
    return forms;
}
}

void adoptByApplication(QWidget* form)
{
    ownedForms().removeAll(nullptr);
    ownedForms().append(form);
}

void releaseApplicationForms()
{
    const QList<QPointer<QWidget>> forms = std::exchange(ownedForms(), {});
    for (const QPointer<QWidget>& form : forms)
        delete form.data();
}
