// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#pragma once
// A value passed to or returned from a late-bound call: empty, a 32-bit
// integer, a 32-bit integer by reference (the callee sees the caller's
// variable itself), a string, a Boolean, a reference to an automation
// object, or a double (times and dates go to a sheet as day fractions).  Copying a variant that holds an object adds a
// reference; destroying or clearing it drops that reference.

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <memory>
#include <variant>
#include <vector>

class AutomationObject;
class OleVariant;
using AutomationRef = std::shared_ptr<AutomationObject>;
using OleArgs = std::vector<OleVariant>;

enum class InvokeKind {
    Get, // a call whose result the caller uses (property get or method)
    Put, // a property assignment: the last argument is the value
    Method, // a call whose result the caller drops
};

QString InvokeKindName(InvokeKind kind);

class OleVariant
{
    Q_DECLARE_TR_FUNCTIONS(OleVariant)

public:
    enum class Type {
        Empty,
        Int32,
        Int32ByRef,
        String,
        Bool,
        Object,
        Double,
    };

    OleVariant() = default;
    OleVariant(std::int32_t value)
        : m_value(value)
    { }
    OleVariant(bool value)
        : m_value(value)
    { }
    OleVariant(const QString &value)
        : m_value(value)
    { }
    OleVariant(double value)
        : m_value(value)
    { }
    OleVariant(AutomationRef object);
    // A character pointer would silently become a Boolean.
    OleVariant(const char *) = delete;

    // An integer passed by reference: the callee reads (and may write) `target`.
    static OleVariant ByRef(std::int32_t &target);

    Type type() const { return static_cast<Type>(m_value.index()); }
    bool IsEmpty() const { return type() == Type::Empty; }
    bool IsObject() const { return type() == Type::Object; }

    // Conversions for callees; a value of another type is a type mismatch
    // (AutomationError).  An integer by reference reads as its target's value.
    std::int32_t ToInt() const;
    double ToDouble() const; // also an integer's value
    std::int32_t *IntRef() const; // null unless Int32ByRef
    QString ToString() const;
    bool ToBool() const;
    AutomationRef ToObject() const;

    // Drops the value (and the reference it held).
    void Clear() { m_value = std::monostate{}; }

    // Late-bound calls on the object held.  Each call looks the member up
    // afresh; failures throw AutomationError.
    OleVariant Invoke(const QString &name, InvokeKind kind, const OleArgs &args = {}) const;
    OleVariant Get(const QString &name, const OleArgs &args = {}) const { return Invoke(name, InvokeKind::Get, args); }
    void Put(const QString &name, const OleArgs &args) const { Invoke(name, InvokeKind::Put, args); }
    void Call(const QString &name, const OleArgs &args = {}) const { Invoke(name, InvokeKind::Method, args); }

    // "I4 5", "I4& 5", "BSTR \"x\"", "BOOL true", "DISPATCH", "R8 0.25", "EMPTY": for logs and tests.
    QString Describe() const;

private:
    // In the order of Type.
    std::variant<std::monostate, std::int32_t, std::int32_t *, QString, bool, AutomationRef, double> m_value;
};

static_assert(std::is_same_v<std::int32_t, int>, "OleVariant's integer constructor assumes a 32-bit int");
