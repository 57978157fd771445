// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "export/SpreadsheetApplication.h"

#include "export/AutomationError.h"
#include "export/AutomationObject.h"
#include "export/AutomationRegistry.h"

namespace {

// One client's conversation with the application; its workbooks are handed
// over when the last object that belongs to it is released.
struct Conversation
{
    std::shared_ptr<SpreadsheetApplication> application;
    int client;

    Conversation(std::shared_ptr<SpreadsheetApplication> app, int id)
        : application(std::move(app))
        , client(id)
    { }
    Conversation(const Conversation &) = delete;
    Conversation &operator=(const Conversation &) = delete;
    ~Conversation() { application->ReleaseClient(client); }
};
using ConversationRef = std::shared_ptr<Conversation>;

bool Is(const QString &name, const char *member)
{
    return name.compare(QLatin1String(member), Qt::CaseInsensitive) == 0;
}

void ExpectArgs(const OleArgs &args, std::size_t count)
{
    if (args.size() != count)
        throw AutomationError::FromCode(AutomationError::BadParamCountCode);
}

// Gets and methods are both calls; a put needs a settable property.
void ExpectCall(InvokeKind kind)
{
    if (kind == InvokeKind::Put)
        throw AutomationError::FromCode(AutomationError::MemberNotFoundCode);
}

SpreadsheetApplication::Workbook &ActiveWorkbookOf(const ConversationRef &conversation)
{
    SpreadsheetApplication::Workbook *workbook = conversation->application->ActiveWorkbook();
    if (!workbook)
        throw AutomationError::Exception(QStringLiteral("Es ist keine Arbeitsmappe geöffnet."));
    return *workbook;
}

SpreadsheetApplication::Workbook &WorkbookOf(const ConversationRef &conversation, int id)
{
    SpreadsheetApplication::Workbook *workbook = conversation->application->FindWorkbook(id);
    if (!workbook)
        throw AutomationError::Exception(QStringLiteral("Die Arbeitsmappe ist nicht mehr geöffnet."));
    return *workbook;
}

class ColumnsObject : public AutomationObject
{
public:
    ColumnsObject(ConversationRef conversation, int workbook, std::pair<int, int> columns)
        : m_conversation(std::move(conversation))
        , m_workbook(workbook)
        , m_columns(columns)
    { }

    OleVariant Invoke(const QString &name, InvokeKind kind, const OleArgs &args) override
    {
        if (!Is(name, "AutoFit"))
            throw AutomationError::UnknownName(name);
        ExpectCall(kind);
        ExpectArgs(args, 0);
        WorkbookOf(m_conversation, m_workbook).sheet.AutoFitColumns(m_columns.first, m_columns.second);
        return OleVariant();
    }

private:
    ConversationRef m_conversation;
    int m_workbook;
    std::pair<int, int> m_columns;
};

class SelectionObject : public AutomationObject
{
public:
    SelectionObject(ConversationRef conversation, int workbook, std::pair<int, int> columns)
        : m_conversation(std::move(conversation))
        , m_workbook(workbook)
        , m_columns(columns)
    { }

    OleVariant Invoke(const QString &name, InvokeKind kind, const OleArgs &args) override
    {
        if (!Is(name, "Columns"))
            throw AutomationError::UnknownName(name);
        ExpectCall(kind);
        ExpectArgs(args, 0);
        WorkbookOf(m_conversation, m_workbook);
        return OleVariant(std::make_shared<ColumnsObject>(m_conversation, m_workbook, m_columns));
    }

private:
    ConversationRef m_conversation;
    int m_workbook;
    std::pair<int, int> m_columns;
};

class AllCellsObject : public AutomationObject
{
public:
    AllCellsObject(ConversationRef conversation, int workbook)
        : m_conversation(std::move(conversation))
        , m_workbook(workbook)
    { }

    OleVariant Invoke(const QString &name, InvokeKind kind, const OleArgs &args) override
    {
        if (!Is(name, "Select"))
            throw AutomationError::UnknownName(name);
        ExpectCall(kind);
        ExpectArgs(args, 0);
        WorkbookOf(m_conversation, m_workbook).sheet.SelectAll();
        return OleVariant();
    }

private:
    ConversationRef m_conversation;
    int m_workbook;
};

class WorkbooksObject : public AutomationObject
{
public:
    explicit WorkbooksObject(ConversationRef conversation)
        : m_conversation(std::move(conversation))
    { }

    OleVariant Invoke(const QString &name, InvokeKind kind, const OleArgs &args) override
    {
        if (Is(name, "Add")) {
            ExpectCall(kind);
            ExpectArgs(args, 0);
            m_conversation->application->AddWorkbook(m_conversation->client);
            return OleVariant();
        }
        if (Is(name, "Count")) {
            ExpectCall(kind);
            ExpectArgs(args, 0);
            return OleVariant(m_conversation->application->OpenWorkbookCount());
        }
        throw AutomationError::UnknownName(name);
    }

private:
    ConversationRef m_conversation;
};

class ApplicationObject : public AutomationObject
{
public:
    explicit ApplicationObject(ConversationRef conversation)
        : m_conversation(std::move(conversation))
    { }

    OleVariant Invoke(const QString &name, InvokeKind kind, const OleArgs &args) override
    {
        SpreadsheetApplication &application = *m_conversation->application;
        if (Is(name, "Visible")) {
            if (kind == InvokeKind::Put) {
                ExpectArgs(args, 1);
                application.SetVisible(args[0].ToBool());
                return OleVariant();
            }
            ExpectArgs(args, 0);
            return OleVariant(application.Visible());
        }
        if (Is(name, "Workbooks")) {
            ExpectCall(kind);
            ExpectArgs(args, 0);
            return OleVariant(std::make_shared<WorkbooksObject>(m_conversation));
        }
        if (Is(name, "Cells"))
            return Cells(kind, args);
        if (Is(name, "Selection")) {
            ExpectCall(kind);
            ExpectArgs(args, 0);
            SpreadsheetApplication::Workbook &workbook = ActiveWorkbookOf(m_conversation);
            return OleVariant(
                std::make_shared<SelectionObject>(m_conversation, workbook.id, workbook.sheet.SelectedColumns()));
        }
        throw AutomationError::UnknownName(name);
    }

private:
    OleVariant Cells(InvokeKind kind, const OleArgs &args)
    {
        SpreadsheetApplication::Workbook &workbook = ActiveWorkbookOf(m_conversation);
        if (kind != InvokeKind::Put) {
            ExpectArgs(args, 0);
            return OleVariant(std::make_shared<AllCellsObject>(m_conversation, workbook.id));
        }
        ExpectArgs(args, 3);
        const int row = args[0].ToInt();
        const int column = args[1].ToInt();
        if (!Worksheet::IsCell(row, column))
            throw AutomationError::Exception(
                QStringLiteral("Die Zelle in Zeile %1, Spalte %2 liegt außerhalb des Tabellenblatts.")
                    .arg(row)
                    .arg(column));
        const OleVariant &value = args[2];
        switch (value.type()) {
        case OleVariant::Type::Int32:
        case OleVariant::Type::Int32ByRef: workbook.sheet.SetCell(row, column, value.ToInt()); break;
        case OleVariant::Type::Bool: workbook.sheet.SetCell(row, column, value.ToBool()); break;
        case OleVariant::Type::String:
        case OleVariant::Type::Empty: workbook.sheet.SetCell(row, column, value.ToString()); break;
        case OleVariant::Type::Object: throw AutomationError::FromCode(AutomationError::TypeMismatchCode);
        }
        return OleVariant();
    }

    ConversationRef m_conversation;
};

} // namespace

SpreadsheetApplication::SpreadsheetApplication(WorkbookDelivery delivery)
    : m_delivery(std::move(delivery))
{ }

std::shared_ptr<SpreadsheetApplication> SpreadsheetApplication::Make(WorkbookDelivery delivery)
{
    return std::shared_ptr<SpreadsheetApplication>(new SpreadsheetApplication(std::move(delivery)));
}

AutomationRef SpreadsheetApplication::NewReference()
{
    auto conversation = std::make_shared<Conversation>(shared_from_this(), m_nextClient++);
    return std::make_shared<ApplicationObject>(std::move(conversation));
}

const Worksheet *SpreadsheetApplication::ActiveSheet() const
{
    return m_workbooks.empty() ? nullptr : &m_workbooks.back()->sheet;
}

SpreadsheetApplication::Workbook &SpreadsheetApplication::AddWorkbook(int client)
{
    auto workbook = std::make_unique<Workbook>();
    workbook->id = m_nextWorkbook++;
    workbook->client = client;
    m_workbooks.push_back(std::move(workbook));
    return *m_workbooks.back();
}

SpreadsheetApplication::Workbook *SpreadsheetApplication::ActiveWorkbook()
{
    return m_workbooks.empty() ? nullptr : m_workbooks.back().get();
}

SpreadsheetApplication::Workbook *SpreadsheetApplication::FindWorkbook(int id)
{
    for (const auto &workbook : m_workbooks) {
        if (workbook->id == id)
            return workbook.get();
    }
    return nullptr;
}

void SpreadsheetApplication::ReleaseClient(int client) noexcept
{
    // Taken out of the open workbooks first: a delivery may show a message,
    // and another export may run while it is open.
    std::vector<std::unique_ptr<Workbook>> released;
    for (auto it = m_workbooks.begin(); it != m_workbooks.end();) {
        if ((*it)->client == client) {
            released.push_back(std::move(*it));
            it = m_workbooks.erase(it);
        } else {
            ++it;
        }
    }
    for (const auto &workbook : released)
        m_delivery.Deliver(workbook->sheet);
}

void RegisterSpreadsheetProvider(AutomationRegistry &registry, DeliveryActions actions)
{
    registry.RegisterClass(QStringLiteral("Excel.Application"),
                           [actions](AutomationRegistry &owner, const QString &progId) -> AutomationRef {
                               auto application = SpreadsheetApplication::Make(WorkbookDelivery(actions));
                               if (!owner.IsRunning(progId))
                                   owner.RegisterActiveObject(progId,
                                                              [application] { return application->NewReference(); });
                               return application->NewReference();
                           });
}
