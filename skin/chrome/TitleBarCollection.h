#pragma once

#include <QList>
#include <QObject>

#include <memory>
#include <vector>

// What a stored form needs of a collection: it clears it and adds one
// item per stored item, then sets the item's properties by name. Every
// change is signalled; whoever shows the items (the title bar) listens.
class TitleBarCollectionBase : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    Q_INVOKABLE virtual QObject* add() = 0;
    Q_INVOKABLE virtual void clear() = 0;

signals:
    void changed();
};

// The owned, ordered item list behind the title bar's button and section
// collections. Items are QObjects (their published properties are set by
// name from stored forms) owned here, not by QObject parenting, so the
// collection alone decides their order and lifetime. Items see only their
// collection: what they need from their surroundings (the button's file
// theme and window state) is pushed into it as a Context by the owner.
template <class Item, class Context = int>
class TitleBarCollection : public TitleBarCollectionBase {
public:
    // `owner` (the title bar) is the QObject parent and reported owner.
    explicit TitleBarCollection(QObject* owner) : TitleBarCollectionBase(owner) {}

    QObject* add() override { return Add(); }
    void clear() override { Clear(); }

    QObject* Owner() const { return parent(); }

    int Count() const { return int(m_items.size()); }
    Item* Items(int index) const { return m_items.at(std::size_t(index)).get(); }
    Item* operator[](int index) const { return Items(index); }

    int IndexOf(const Item* item) const
    {
        for (std::size_t i = 0; i < m_items.size(); ++i)
            if (m_items[i].get() == item)
                return int(i);
        return -1;
    }

    Item* Add()
    {
        m_items.push_back(std::make_unique<Item>(this));
        Changed();
        return m_items.back().get();
    }

    void Clear()
    {
        m_items.clear();
        Changed();
    }

    // Replaces the items with copies of the source's, item by item through
    // the items' own assignment (which runs their setters).
    void Assign(const TitleBarCollection& source)
    {
        if (&source == this)
            return;
        m_items.clear();
        for (const auto& item : source.m_items) {
            m_items.push_back(std::make_unique<Item>(this));
            m_items.back()->Assign(*item);
        }
        Changed();
    }

    void Changed() { emit changed(); }

    const Context& context() const { return m_context; }
    void setContext(const Context& context) { m_context = context; }

private:
    std::vector<std::unique_ptr<Item>> m_items;
    Context m_context{};
};
