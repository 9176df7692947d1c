#include "forms/FormLoader.h"

#include "forms/ComponentRegistry.h"
#include "forms/FormPropertyWriter.h"
#include "runtime/BitmapResource.h"
#include "runtime/RuntimeError.h"

#include <QFile>
#include <QHash>
#include <QMetaMethod>
#include <QMutex>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <optional>
#include <utility>

namespace forms {

namespace {

// The forms this thread is loading now (one, or more when a form's
// component loads a form of its own). Components ask while they are being
// set up, many times per form, so the answer is a walk up their parents
// comparing pointers; once loading is done it is at once "no".
thread_local QList<const QObject*> t_loading;

struct Fixup {
    QObject* target;
    QString property;
    QString componentName;
    int line;
};

class Loader {
public:
    explicit Loader(QObject* form) : m_form(form) {}

    void load(const FormNode& root)
    {
        struct LoadingMark {
            QObject* form;
            explicit LoadingMark(QObject* f) : form(f) { t_loading.append(form); }
            ~LoadingMark() { release(); }
            void release()
            {
                if (form)
                    t_loading.removeOne(form);
                form = nullptr;
            }
        } mark(m_form);
        m_form->setObjectName(root.name);
        applyProperties(m_form, root);
        for (const FormNode& child : root.children)
            createChild(m_form, child);
        for (const Fixup& fixup : m_fixups) {
            QObject* component =
                fixup.componentName == m_form->objectName() ? m_form : m_form->findChild<QObject*>(fixup.componentName);
            if (!component)
                throw runtime::RuntimeError(QStringLiteral("Form description, line %1: no component named %2")
                                                .arg(fixup.line)
                                                .arg(fixup.componentName));
            FormPropertyWriter::writeObject(fixup.target, fixup.property, component, fixup.line);
        }
        finishWidgets(m_form);
        // Components that defer work while their properties arrive one by
        // one (a file list that would read its folder for each) do it once
        // now, after the form is no longer loading.
        mark.release();
        for (QObject* component : m_created) {
            if (component && component->metaObject()->indexOfMethod("Loaded()") >= 0)
                QMetaObject::invokeMethod(component, "Loaded", Qt::DirectConnection);
        }
    }

private:
    // Chains each container's children in their stored tab order.
    static void finishWidgets(QObject* container)
    {
        // Each stored position is read once: a property read by name searches
        // every property of the class first.
        QList<std::pair<int, QWidget*>> ordered;
        for (QObject* child : container->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (!widget)
                continue;
            if (const QVariant order = widget->property(kTabOrderProperty); order.isValid())
                ordered.append({order.toInt(), widget});
            finishWidgets(widget);
        }
        std::stable_sort(ordered.begin(), ordered.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (qsizetype i = 1; i < ordered.size(); ++i)
            QWidget::setTabOrder(ordered[i - 1].second, ordered[i].second);
    }

    void createChild(QObject* parent, const FormNode& node)
    {
        QObject* object = ComponentRegistry::create(node.className, m_form, parent);
        m_created.append(object);
        object->setObjectName(node.name);
        applyProperties(object, node);
        for (const FormNode& child : node.children)
            createChild(object, child);
    }

    void applyProperties(QObject* object, const FormNode& node)
    {
        for (const FormProperty& property : node.properties) {
            if (connectEvent(object, property))
                continue;
            QString deferred;
            FormPropertyWriter::write(object, property, &deferred);
            if (!deferred.isEmpty())
                m_fixups.append({object, property.name, deferred, property.line});
        }
    }

    bool connectEvent(QObject* object, const FormProperty& property)
    {
        if (!property.name.startsWith(QLatin1String("On")) || property.value.kind != FormValue::Identifier)
            return false;
        const QMetaObject* meta = object->metaObject();
        const QString event = property.name.mid(2);
        const QString lower = event.left(1).toLower() + event.mid(1);
        const QStringList candidates = {property.name, lower, lower + QLatin1String("ed"), lower + QLatin1String("d")};
        QMetaMethod signal;
        for (const QString& name : candidates) {
            // From the most derived class up, so a class's own event wins
            // over a base class signal of the same name.
            for (int i = meta->methodCount() - 1; i >= 0 && !signal.isValid(); --i) {
                const QMetaMethod method = meta->method(i);
                if (method.methodType() == QMetaMethod::Signal && method.name() == name.toLatin1())
                    signal = method;
            }
        }
        if (!signal.isValid())
            return false;
        const QMetaObject* formMeta = m_form->metaObject();
        for (int i = 0; i < formMeta->methodCount(); ++i) {
            const QMetaMethod slot = formMeta->method(i);
            if (slot.name() == property.value.text.toLatin1() && QMetaObject::checkConnectArgs(signal, slot)) {
                QObject::connect(object, signal, m_form, slot);
                return true;
            }
        }
        throw runtime::RuntimeError(QStringLiteral("Form description, line %1: handler %2 for %3.%4 not found")
                                        .arg(property.line)
                                        .arg(property.value.text, object->objectName(), property.name));
    }

    QObject* m_form;
    QList<Fixup> m_fixups;
    QList<QPointer<QObject>> m_created;
};

} // namespace

bool IsLoading(const QObject* object)
{
    if (t_loading.isEmpty())
        return false;
    for (; object; object = object->parent()) {
        if (t_loading.contains(object))
            return true;
    }
    return false;
}

void LoadForm(QObject* form, const FormNode& root)
{
    Loader(form).load(root);
}

namespace {

FormNode readFormFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw runtime::RuntimeError(QStringLiteral("Cannot open form description %1").arg(path));
    return ParseFormDescription(QString::fromUtf8(file.readAll()));
}

// Parsed ahead of a building, each taken by the next one: kept no longer,
// the tree's memory serves the form it built.
QMutex s_preparedLock;
QHash<QString, FormNode> s_prepared;

} // namespace

void LoadFormFile(QObject* form, const QString& path)
{
    std::optional<FormNode> prepared;
    {
        const QMutexLocker locker(&s_preparedLock);
        if (const auto found = s_prepared.find(path); found != s_prepared.end()) {
            prepared = std::move(*found);
            s_prepared.erase(found);
        }
    }
    LoadForm(form, prepared ? std::move(*prepared) : readFormFile(path));
}

namespace {

void prepareBitmaps(const QList<FormProperty>& properties)
{
    for (const FormProperty& property : properties) {
        // A string is a bitmap's name when the property it sets holds a
        // picture; any string naming one of the program's bitmaps is
        // decoded here, which costs at most a decoding done early.
        if (property.value.kind == FormValue::String && runtime::HasBitmapResource(property.value.text))
            runtime::LoadBitmapResource(property.value.text);
        for (const FormValue::Item& item : property.value.items)
            prepareBitmaps(item.properties);
    }
}

void prepareBitmaps(const FormNode& node)
{
    prepareBitmaps(node.properties);
    for (const FormNode& child : node.children)
        prepareBitmaps(child);
}

} // namespace

void PrepareFormFile(const QString& path)
{
    // A file on disk may change before the building; only the program's own
    // descriptions are taken ahead.
    if (!path.startsWith(QLatin1String(":/")))
        return;
    FormNode root = readFormFile(path);
    prepareBitmaps(root);
    const QMutexLocker locker(&s_preparedLock);
    s_prepared.insert(path, std::move(root));
}

} // namespace forms
