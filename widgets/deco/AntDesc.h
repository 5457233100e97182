#pragma once

#include "widgets/WidgetColors.h"

#include <array>
#include <functional>

class QWidget;

enum class TDisplayState : quint8 { Normal, Selected, Active, Disabled };

// Cursor identifiers as the label's cursor table holds them.
inline constexpr qint16 crDefault = 0;
inline constexpr qint16 crArrow = -2;
inline constexpr qint16 crHandPoint = -21;
void applyCursor(QWidget *widget, qint16 cursor);

// A value per display state, and the state whose value counts now.
class TantRunTimeDesc
{
public:
    TantRunTimeDesc(QWidget *owner, std::function<void()> changed) : m_owner(owner), m_changed(std::move(changed)) {}
    virtual ~TantRunTimeDesc() = default;

    virtual void SetDisplayState(TDisplayState state) { m_state = state; }
    TDisplayState displayState() const { return m_state; }
    QWidget *owner() const { return m_owner; }

protected:
    void changed() const
    {
        if (m_changed)
            m_changed();
    }

private:
    TDisplayState m_state = TDisplayState::Normal;
    QWidget *m_owner;
    std::function<void()> m_changed;
};

// Four values; a changed one tells the owner when Notifies.
template <class T, bool Notifies>
class TantRunTimeValues : public TantRunTimeDesc
{
public:
    using TantRunTimeDesc::TantRunTimeDesc;

    T Normal() const { return m_values[0]; }
    T Selected() const { return m_values[1]; }
    T Active() const { return m_values[2]; }
    T Disabled() const { return m_values[3]; }
    void setNormal(T value) { set(TDisplayState::Normal, value); }
    void setSelected(T value) { set(TDisplayState::Selected, value); }
    void setActive(T value) { set(TDisplayState::Active, value); }
    void setDisabled(T value) { set(TDisplayState::Disabled, value); }
    void setAll(T normal, T selected, T active, T disabled)
    {
        setNormal(normal);
        setSelected(selected);
        setActive(active);
        setDisabled(disabled);
    }
    // The value of the current display state.
    T value() const { return m_values[size_t(displayState())]; }

private:
    void set(TDisplayState state, T value)
    {
        T &slot = m_values[size_t(state)];
        if constexpr (Notifies) {
            if (slot == value)
                return;
            slot = value;
            changed();
        } else {
            slot = value;
        }
    }

    std::array<T, 4> m_values{};
};

class TantRunTimeBooleanDesc : public TantRunTimeValues<bool, true>
{
    using TantRunTimeValues::TantRunTimeValues;
};

class TantRunTimeColorDesc : public TantRunTimeValues<TColor, true>
{
    using TantRunTimeValues::TantRunTimeValues;
};

// Cursor values are plain: a change shows at the next change of state.
class TantRunTimeCursorDesc : public TantRunTimeValues<qint16, false>
{
    using TantRunTimeValues::TantRunTimeValues;
};
