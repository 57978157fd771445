// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "export/OleVariant.h"

#include <QLocale>

#include "export/AutomationError.h"
#include "export/AutomationObject.h"

QString InvokeKindName(InvokeKind kind)
{
    switch (kind) {
    case InvokeKind::Get: return QStringLiteral("get");
    case InvokeKind::Put: return QStringLiteral("put");
    case InvokeKind::Method: return QStringLiteral("method");
    }
    return QString();
}

OleVariant::OleVariant(AutomationRef object)
{
    if (object)
        m_value = std::move(object);
}

OleVariant OleVariant::ByRef(std::int32_t &target)
{
    OleVariant v;
    v.m_value = &target;
    return v;
}

std::int32_t OleVariant::ToInt() const
{
    if (const auto *value = std::get_if<std::int32_t>(&m_value))
        return *value;
    if (const auto *ref = std::get_if<std::int32_t *>(&m_value))
        return **ref;
    throw AutomationError::FromCode(AutomationError::TypeMismatchCode);
}

double OleVariant::ToDouble() const
{
    if (const auto *value = std::get_if<double>(&m_value))
        return *value;
    return ToInt();
}

std::int32_t *OleVariant::IntRef() const
{
    if (const auto *ref = std::get_if<std::int32_t *>(&m_value))
        return *ref;
    return nullptr;
}

QString OleVariant::ToString() const
{
    switch (type()) {
    case Type::String: return std::get<QString>(m_value);
    case Type::Int32:
    case Type::Int32ByRef: return QString::number(ToInt());
    case Type::Bool: return std::get<bool>(m_value) ? QStringLiteral("True") : QStringLiteral("False");
    case Type::Double: return QString::number(std::get<double>(m_value), 'g', QLocale::FloatingPointShortest);
    case Type::Empty: return QString();
    case Type::Object: break;
    }
    throw AutomationError::FromCode(AutomationError::TypeMismatchCode);
}

bool OleVariant::ToBool() const
{
    if (const auto *value = std::get_if<bool>(&m_value))
        return *value;
    if (type() == Type::Int32 || type() == Type::Int32ByRef)
        return ToInt() != 0;
    throw AutomationError::FromCode(AutomationError::TypeMismatchCode);
}

AutomationRef OleVariant::ToObject() const
{
    if (const auto *object = std::get_if<AutomationRef>(&m_value))
        return *object;
    throw AutomationError::FromCode(AutomationError::TypeMismatchCode);
}

OleVariant OleVariant::Invoke(const QString &name, InvokeKind kind, const OleArgs &args) const
{
    const auto *object = std::get_if<AutomationRef>(&m_value);
    if (!object)
        throw AutomationError(AutomationError::PointerCode, tr("Variant does not reference an automation object"));
    try {
        OleVariant result = (*object)->Invoke(name, kind, args);
        if (kind != InvokeKind::Get)
            return OleVariant(); // a method's or a put's result is dropped at once
        return result;
    } catch (const AutomationError &) {
        throw;
    } catch (const std::exception &error) {
        // An object that fails in its own way reports an exception with its text.
        throw AutomationError::Exception(QString::fromUtf8(error.what()));
    }
}

QString OleVariant::Describe() const
{
    switch (type()) {
    case Type::Empty: return QStringLiteral("EMPTY");
    case Type::Int32: return QStringLiteral("I4 %1").arg(ToInt());
    case Type::Int32ByRef: return QStringLiteral("I4& %1").arg(ToInt());
    case Type::String: return QStringLiteral("BSTR \"%1\"").arg(std::get<QString>(m_value));
    case Type::Bool: return std::get<bool>(m_value) ? QStringLiteral("BOOL true") : QStringLiteral("BOOL false");
    case Type::Object: return QStringLiteral("DISPATCH");
    case Type::Double:
        return QStringLiteral("R8 ") + QString::number(std::get<double>(m_value), 'g', QLocale::FloatingPointShortest);
    }
    return QString();
}
