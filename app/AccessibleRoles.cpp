#include "app/AccessibleRoles.h"

#include "app/ImageControl.h"
#include "chart/qt/Chart.h"
#include "embedded/qt/OleContainer.h"

#include <QAccessibleWidget>

namespace {

QAccessibleInterface* InterfaceWithRole(const QString& /*className*/, QObject* object)
{
    if (auto* chart = qobject_cast<TChart*>(object))
        return new QAccessibleWidget(chart, QAccessible::Chart);
    if (auto* image = qobject_cast<TImage*>(object))
        return new QAccessibleWidget(image, QAccessible::Graphic);
    if (auto* panel = qobject_cast<TOleContainer*>(object))
        return new QAccessibleWidget(panel, QAccessible::Graphic);
    return nullptr;
}

} // namespace

AccessibleRoles::AccessibleRoles()
{
    QAccessible::installFactory(InterfaceWithRole);
}

AccessibleRoles::~AccessibleRoles()
{
    QAccessible::removeFactory(InterfaceWithRole);
}
