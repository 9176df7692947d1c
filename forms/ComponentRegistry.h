#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <type_traits>

namespace forms {

// Classes a stored form description may name, created by class name. Each
// library registers its own components; the form loader only asks here.
class ComponentRegistry {
public:
    // owner: the form being loaded; parent: the enclosing component, which
    // becomes the QObject parent (and the parent widget for widgets).
    using Factory = std::function<QObject*(QObject* owner, QObject* parent)>;

    static void registerClass(const QString& className, Factory factory);

    // Registers a widget or plain QObject class constructed from its parent.
    template <class T>
    static void registerType(const QString& className)
    {
        registerClass(className, [](QObject*, QObject* parent) -> QObject* {
            if constexpr (std::is_base_of_v<QWidget, T>)
                return new T(qobject_cast<QWidget*>(parent));
            else
                return new T(parent);
        });
    }

    static bool isRegistered(const QString& className);

    // Raises RuntimeError "Class NAME not found" for an unknown name.
    static QObject* create(const QString& className, QObject* owner, QObject* parent);
};

} // namespace forms
