#pragma once

#include <QList>
#include <QObject>

#include <memory>
#include <vector>

class TsuiTitleBar;

// Repaints a title bar; defined with the bar so the collections need not
// see its whole class.
void RepaintTitleBar(TsuiTitleBar* bar);

// What a stored form needs of a collection: it clears it and adds one
// item per stored item, then sets the item's properties by name.
class TitleBarCollectionBase : public QObject {
    Q_OBJECT
public:
    Q_INVOKABLE virtual QObject* add() = 0;
    Q_INVOKABLE virtual void clear() = 0;
};

// The owned, ordered item list behind the title bar's button and section
// collections. Items are QObjects (their published properties are set by
// name from stored forms) owned here, not by QObject parenting, so the
// collection alone decides their order and lifetime. Every change repaints
// the owning bar.
template <class Item>
class TitleBarCollection : public TitleBarCollectionBase {
public:
    explicit TitleBarCollection(TsuiTitleBar* owner) : m_owner(owner) {}

    QObject* add() override { return Add(); }
    void clear() override { Clear(); }

    // The title bar is reported as the collection's owner.
    TsuiTitleBar* Owner() const { return m_owner; }

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

    // Repaints the owning bar.
    void Changed()
    {
        if (m_owner)
            RepaintTitleBar(m_owner);
    }

private:
    TsuiTitleBar* m_owner;
    std::vector<std::unique_ptr<Item>> m_items;
};
