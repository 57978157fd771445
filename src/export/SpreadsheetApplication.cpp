// SPDX-FileCopyrightText: 2026 Velmarin Software
// SPDX-License-Identifier: MIT

#include "export/SpreadsheetApplication.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <optional>

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
using OpenWorkbook = SpreadsheetApplication::OpenWorkbook;

bool Is(const QString &name, const char *member)
{
    return name.compare(QLatin1String(member), Qt::CaseInsensitive) == 0;
}

void ExpectArgs(const OleArgs &args, std::size_t count)
{
    if (args.size() != count)
        throw AutomationError::FromCode(AutomationError::BadParamCountCode);
}

void ExpectArgs(const OleArgs &args, std::size_t least, std::size_t most)
{
    if (args.size() < least || args.size() > most)
        throw AutomationError::FromCode(AutomationError::BadParamCountCode);
}

// Gets and methods are both calls; a put needs a settable property.
void ExpectCall(InvokeKind kind)
{
    if (kind == InvokeKind::Put)
        throw AutomationError::FromCode(AutomationError::MemberNotFoundCode);
}

OpenWorkbook &ActiveWorkbookOf(const ConversationRef &conversation)
{
    OpenWorkbook *workbook = conversation->application->ActiveWorkbook();
    if (!workbook)
        throw AutomationError::Exception(SpreadsheetApplication::tr("Es ist keine Arbeitsmappe geöffnet."));
    return *workbook;
}

OpenWorkbook &WorkbookOf(const ConversationRef &conversation, int id)
{
    OpenWorkbook *workbook = conversation->application->FindWorkbook(id);
    if (!workbook)
        throw AutomationError::Exception(SpreadsheetApplication::tr("Die Arbeitsmappe ist nicht mehr geöffnet."));
    return *workbook;
}

// A sheet as the member objects hold it: by the ids of its workbook and of itself.
struct SheetRef
{
    int workbook = 0;
    int sheet = 0;
};

SheetRef ActiveSheetOf(const ConversationRef &conversation)
{
    OpenWorkbook &workbook = ActiveWorkbookOf(conversation);
    return {workbook.id, workbook.book.IdAt(workbook.book.ActiveIndex())};
}

Worksheet &SheetOf(const ConversationRef &conversation, SheetRef ref)
{
    Workbook &book = WorkbookOf(conversation, ref.workbook).book;
    const int index = book.IndexOf(ref.sheet);
    if (index < 0)
        throw AutomationError::Exception(SpreadsheetApplication::tr("Das Tabellenblatt gibt es nicht mehr."));
    return book.Sheet(index);
}

// Cells put (row, column, value), on the application and on a sheet.
void PutCell(Worksheet &sheet, const OleArgs &args)
{
    ExpectArgs(args, 3);
    const int row = args[0].ToInt();
    const int column = args[1].ToInt();
    if (!Worksheet::IsCell(row, column))
        throw AutomationError::Exception(
            SpreadsheetApplication::tr("Die Zelle in Zeile %1, Spalte %2 liegt außerhalb des Tabellenblatts.")
                .arg(row)
                .arg(column));
    const OleVariant &value = args[2];
    switch (value.type()) {
    case OleVariant::Type::Int32:
    case OleVariant::Type::Int32ByRef: sheet.SetCell(row, column, value.ToInt()); break;
    case OleVariant::Type::Double: sheet.SetCell(row, column, value.ToDouble()); break;
    case OleVariant::Type::Bool: sheet.SetCell(row, column, value.ToBool()); break;
    case OleVariant::Type::String:
    case OleVariant::Type::Empty: sheet.SetCell(row, column, value.ToString()); break;
    case OleVariant::Type::Object: throw AutomationError::FromCode(AutomationError::TypeMismatchCode);
    }
}

// A row or column number from 1 up to `maximum`; `outside` says what is
// wrong with any other (a row and a column need sentences of their own).
int Position(const OleVariant &value, int maximum, const char *outside)
{
    const int position = value.ToInt();
    if (position < 1 || position > maximum)
        throw AutomationError::Exception(QCoreApplication::translate("SpreadsheetApplication", outside).arg(position));
    return position;
}

// Rows or columns first..last of one sheet, as a call such as Columns or
// Rows(1) reaches them; the sheet is looked up again at every call, so a
// closed workbook is reported instead of touched.
class SheetRangeObject : public AutomationObject
{
public:
    SheetRangeObject(ConversationRef conversation, SheetRef sheet, std::pair<int, int> range)
        : m_conversation(std::move(conversation))
        , m_sheet(sheet)
        , m_range(range)
    { }

protected:
    Worksheet &Sheet() const { return SheetOf(m_conversation, m_sheet); }

    ConversationRef m_conversation;
    SheetRef m_sheet;
    std::pair<int, int> m_range;
};

class ColumnsObject : public SheetRangeObject
{
public:
    using SheetRangeObject::SheetRangeObject;

    OleVariant Invoke(const QString &name, InvokeKind kind, const OleArgs &args) override
    {
        Worksheet &sheet = Sheet();
        if (Is(name, "AutoFit")) {
            ExpectCall(kind);
            ExpectArgs(args, 0);
            sheet.AutoFitColumns(m_range.first, m_range.second);
            return OleVariant();
        }
        if (Is(name, "NumberFormat")) {
            if (kind == InvokeKind::Put) {
                ExpectArgs(args, 1);
                sheet.SetNumberFormat(m_range.first, m_range.second, args[0].ToString());
                return OleVariant();
            }
            ExpectArgs(args, 0);
            const QString format = sheet.NumberFormatOf(m_range.first);
            return OleVariant(format.isEmpty() ? QStringLiteral("General") : format);
        }
        throw AutomationError::UnknownName(name);
    }
};

class FontObject : public SheetRangeObject
{
public:
    using SheetRangeObject::SheetRangeObject;

    OleVariant Invoke(const QString &name, InvokeKind kind, const OleArgs &args) override
    {
        if (!Is(name, "Bold"))
            throw AutomationError::UnknownName(name);
        Worksheet &sheet = Sheet();
        if (kind == InvokeKind::Put) {
            ExpectArgs(args, 1);
            sheet.SetBold(m_range.first, m_range.second, args[0].ToBool());
            return OleVariant();
        }
        ExpectArgs(args, 0);
        return OleVariant(sheet.IsBold(m_range.first));
    }
};

class RowsObject : public SheetRangeObject
{
public:
    using SheetRangeObject::SheetRangeObject;

    OleVariant Invoke(const QString &name, InvokeKind kind, const OleArgs &args) override
    {
        if (!Is(name, "Font"))
            throw AutomationError::UnknownName(name);
        ExpectCall(kind);
        ExpectArgs(args, 0);
        Sheet(); // throws when the workbook is gone
        return OleVariant(std::make_shared<FontObject>(m_conversation, m_sheet, m_range));
    }
};

class SelectionObject : public SheetRangeObject
{
public:
    using SheetRangeObject::SheetRangeObject;

    OleVariant Invoke(const QString &name, InvokeKind kind, const OleArgs &args) override
    {
        if (!Is(name, "Columns"))
            throw AutomationError::UnknownName(name);
        ExpectCall(kind);
        ExpectArgs(args, 0);
        Sheet(); // throws when the workbook is gone
        return OleVariant(std::make_shared<ColumnsObject>(m_conversation, m_sheet, m_range));
    }
};

class AllCellsObject : public AutomationObject
{
public:
    AllCellsObject(ConversationRef conversation, SheetRef sheet)
        : m_conversation(std::move(conversation))
        , m_sheet(sheet)
    { }

    OleVariant Invoke(const QString &name, InvokeKind kind, const OleArgs &args) override
    {
        if (!Is(name, "Select"))
            throw AutomationError::UnknownName(name);
        ExpectCall(kind);
        ExpectArgs(args, 0);
        SheetOf(m_conversation, m_sheet).SelectAll();
        return OleVariant();
    }

private:
    ConversationRef m_conversation;
    SheetRef m_sheet;
};

// Excel's XlPageOrientation.
constexpr int XlPortrait = 1;
constexpr int XlLandscape = 2;
constexpr int MinZoom = 10; // percent
constexpr int MaxZoom = 400;
constexpr int MaxPages = 32767;

// False, or a whole number from `least` to `most`; nothing for False.  A
// text or an object is a type mismatch, anything else is refused with `problem`.
std::optional<int> FalseOrNumber(const OleVariant &value, int least, int most, const QString &problem)
{
    if (value.type() == OleVariant::Type::Bool) {
        if (!value.ToBool())
            return std::nullopt;
        throw AutomationError::Exception(problem);
    }
    const int number = value.ToInt();
    if (number < least || number > most)
        throw AutomationError::Exception(problem);
    return number;
}

// Whole rows as an address: "$1:$1", "$2:$4", with or without the dollar signs.
std::optional<std::pair<int, int>> RowsOf(const QString &address)
{
    static const QRegularExpression rows(QStringLiteral("^\\$?([1-9][0-9]{0,6}):\\$?([1-9][0-9]{0,6})$"));
    const QRegularExpressionMatch match = rows.match(address);
    if (!match.hasMatch())
        return std::nullopt;
    const int first = match.captured(1).toInt();
    const int last = match.captured(2).toInt();
    if (first > last || last > Worksheet::MaxRows)
        return std::nullopt;
    return std::pair(first, last);
}

// How one sheet is printed: orientation, scale or the pages it is fitted
// to, and the rows repeated at the top of every page.
class PageSetupObject : public AutomationObject
{
public:
    PageSetupObject(ConversationRef conversation, SheetRef sheet)
        : m_conversation(std::move(conversation))
        , m_sheet(sheet)
    { }

    OleVariant Invoke(const QString &name, InvokeKind kind, const OleArgs &args) override
    {
        Worksheet &sheet = SheetOf(m_conversation, m_sheet);
        const bool wide = Is(name, "FitToPagesWide");
        const bool tall = Is(name, "FitToPagesTall");
        if (!Is(name, "Orientation") && !Is(name, "Zoom") && !wide && !tall && !Is(name, "PrintTitleRows"))
            throw AutomationError::UnknownName(name);
        if (kind != InvokeKind::Put) {
            ExpectArgs(args, 0);
            return Value(sheet.Page(), name);
        }
        ExpectArgs(args, 1);
        const OleVariant &value = args[0];
        Worksheet::PageSetup page = sheet.Page();
        if (Is(name, "Orientation")) {
            const int orientation = value.ToInt();
            if (orientation != XlPortrait && orientation != XlLandscape)
                throw AutomationError::Exception(
                    SpreadsheetApplication::tr(
                        "Die Seitenausrichtung %1 gibt es nicht: 1 ist Hochformat, 2 Querformat.")
                        .arg(orientation));
            page.Landscape = orientation == XlLandscape;
        } else if (Is(name, "Zoom")) {
            page.Zoom = FalseOrNumber(value, MinZoom, MaxZoom,
                                      SpreadsheetApplication::tr("Der Zoom muss False oder %1 bis %2 Prozent sein.")
                                          .arg(MinZoom)
                                          .arg(MaxZoom));
        } else if (wide || tall) {
            const int pages =
                FalseOrNumber(
                    value, 1, MaxPages,
                    SpreadsheetApplication::tr("Die Zahl der Seiten muss False oder 1 bis %1 sein.").arg(MaxPages))
                    .value_or(0);
            (wide ? page.PagesWide : page.PagesTall) = pages;
        } else {
            const QString address = value.ToString();
            page.TitleRows = RowsOf(address);
            if (!page.TitleRows && !address.isEmpty())
                throw AutomationError::Exception(
                    SpreadsheetApplication::tr("„%1“ sind keine ganzen Zeilen wie „$1:$1“.").arg(address));
        }
        sheet.SetPage(page);
        return OleVariant();
    }

private:
    static OleVariant Value(const Worksheet::PageSetup &page, const QString &name)
    {
        const auto falseOr = [](int number) { return number == 0 ? OleVariant(false) : OleVariant(number); };
        if (Is(name, "Orientation"))
            return OleVariant(page.Landscape ? XlLandscape : XlPortrait);
        if (Is(name, "Zoom"))
            return falseOr(page.Zoom.value_or(0));
        if (Is(name, "FitToPagesWide"))
            return falseOr(page.PagesWide);
        if (Is(name, "FitToPagesTall"))
            return falseOr(page.PagesTall);
        if (!page.TitleRows)
            return OleVariant(QString());
        return OleVariant(QStringLiteral("$%1:$%2").arg(page.TitleRows->first).arg(page.TitleRows->second));
    }

    ConversationRef m_conversation;
    SheetRef m_sheet;
};

class WorksheetObject : public AutomationObject
{
public:
    WorksheetObject(ConversationRef conversation, SheetRef sheet)
        : m_conversation(std::move(conversation))
        , m_sheet(sheet)
    { }

    SheetRef Ref() const { return m_sheet; }
    const SpreadsheetApplication *Owner() const { return m_conversation->application.get(); }

    OleVariant Invoke(const QString &name, InvokeKind kind, const OleArgs &args) override
    {
        Worksheet &sheet = SheetOf(m_conversation, m_sheet);
        if (Is(name, "Name")) {
            if (kind != InvokeKind::Put) {
                ExpectArgs(args, 0);
                return OleVariant(sheet.Name());
            }
            ExpectArgs(args, 1);
            Workbook &book = WorkbookOf(m_conversation, m_sheet.workbook).book;
            const QString newName = args[0].ToString();
            if (const QString problem = book.NameProblem(newName, book.IndexOf(m_sheet.sheet)); !problem.isEmpty())
                throw AutomationError::Exception(problem);
            sheet.SetName(newName);
            return OleVariant();
        }
        if (Is(name, "Cells")) {
            if (kind != InvokeKind::Put)
                throw AutomationError::FromCode(AutomationError::MemberNotFoundCode);
            PutCell(sheet, args);
            return OleVariant();
        }
        if (Is(name, "Columns")) {
            ExpectCall(kind);
            ExpectArgs(args, 0, 1);
            std::pair<int, int> columns{1, Worksheet::MaxColumns};
            if (!args.empty()) {
                const int column = Position(
                    args[0], Worksheet::MaxColumns,
                    QT_TRANSLATE_NOOP("SpreadsheetApplication", "Spalte %1 liegt außerhalb des Tabellenblatts."));
                columns = {column, column};
            }
            return OleVariant(std::make_shared<ColumnsObject>(m_conversation, m_sheet, columns));
        }
        if (Is(name, "Rows")) {
            ExpectCall(kind);
            ExpectArgs(args, 1);
            const int row =
                Position(args[0], Worksheet::MaxRows,
                         QT_TRANSLATE_NOOP("SpreadsheetApplication", "Zeile %1 liegt außerhalb des Tabellenblatts."));
            return OleVariant(std::make_shared<RowsObject>(m_conversation, m_sheet, std::pair(row, row)));
        }
        if (Is(name, "PageSetup")) {
            ExpectCall(kind);
            ExpectArgs(args, 0);
            return OleVariant(std::make_shared<PageSetupObject>(m_conversation, m_sheet));
        }
        if (Is(name, "Activate")) {
            ExpectCall(kind);
            ExpectArgs(args, 0);
            Workbook &book = WorkbookOf(m_conversation, m_sheet.workbook).book;
            book.Activate(book.IndexOf(m_sheet.sheet));
            return OleVariant();
        }
        throw AutomationError::UnknownName(name);
    }

private:
    ConversationRef m_conversation;
    SheetRef m_sheet;
};

class WorksheetsObject : public AutomationObject
{
public:
    WorksheetsObject(ConversationRef conversation, int workbook)
        : m_conversation(std::move(conversation))
        , m_workbook(workbook)
    { }

    OleVariant Invoke(const QString &name, InvokeKind kind, const OleArgs &args) override
    {
        Workbook &book = WorkbookOf(m_conversation, m_workbook).book;
        if (Is(name, "Add")) {
            ExpectCall(kind);
            ExpectArgs(args, 0, 2);
            int position = book.ActiveIndex();
            if (args.size() >= 1 && !args[0].IsEmpty())
                position = IndexOfSheet(book, args[0]);
            else if (args.size() == 2 && !args[1].IsEmpty())
                position = IndexOfSheet(book, args[1]) + 1;
            const int id = book.Insert(position);
            return OleVariant(std::make_shared<WorksheetObject>(m_conversation, SheetRef{m_workbook, id}));
        }
        if (Is(name, "Count")) {
            ExpectCall(kind);
            ExpectArgs(args, 0);
            return OleVariant(book.Count());
        }
        if (Is(name, "Item")) {
            ExpectCall(kind);
            ExpectArgs(args, 1);
            return Item(m_conversation, m_workbook, args[0]);
        }
        throw AutomationError::UnknownName(name);
    }

    // A sheet by its position from 1 or its name.
    static OleVariant Item(const ConversationRef &conversation, int workbook, const OleVariant &which)
    {
        const Workbook &book = WorkbookOf(conversation, workbook).book;
        const int index =
            which.type() == OleVariant::Type::String ? book.IndexOfName(which.ToString()) : which.ToInt() - 1;
        if (index < 0 || index >= book.Count())
            throw AutomationError::Exception(
                SpreadsheetApplication::tr("Das Tabellenblatt „%1“ gibt es nicht.").arg(which.ToString()));
        return OleVariant(std::make_shared<WorksheetObject>(conversation, SheetRef{workbook, book.IdAt(index)}));
    }

private:
    int IndexOfSheet(const Workbook &book, const OleVariant &sheet) const
    {
        const auto *object = dynamic_cast<const WorksheetObject *>(sheet.ToObject().get());
        const bool ours =
            object && object->Owner() == m_conversation->application.get() && object->Ref().workbook == m_workbook;
        const int index = ours ? book.IndexOf(object->Ref().sheet) : -1;
        if (index < 0)
            throw AutomationError::Exception(
                SpreadsheetApplication::tr("Das Tabellenblatt gehört nicht zu dieser Arbeitsmappe."));
        return index;
    }

    ConversationRef m_conversation;
    int m_workbook;
};

class WorkbookObject : public AutomationObject
{
public:
    WorkbookObject(ConversationRef conversation, int workbook)
        : m_conversation(std::move(conversation))
        , m_workbook(workbook)
    { }

    OleVariant Invoke(const QString &name, InvokeKind kind, const OleArgs &args) override
    {
        if (!Is(name, "Worksheets"))
            throw AutomationError::UnknownName(name);
        ExpectCall(kind);
        ExpectArgs(args, 0, 1);
        WorkbookOf(m_conversation, m_workbook);
        if (args.size() == 1)
            return WorksheetsObject::Item(m_conversation, m_workbook, args[0]);
        return OleVariant(std::make_shared<WorksheetsObject>(m_conversation, m_workbook));
    }

private:
    ConversationRef m_conversation;
    int m_workbook;
};

// The window of a workbook: its split and frozen panes belong to the sheet
// it shows, the active one.
class WindowObject : public AutomationObject
{
public:
    WindowObject(ConversationRef conversation, int workbook)
        : m_conversation(std::move(conversation))
        , m_workbook(workbook)
    { }

    OleVariant Invoke(const QString &name, InvokeKind kind, const OleArgs &args) override
    {
        const bool splitRow = Is(name, "SplitRow");
        const bool splitColumn = Is(name, "SplitColumn");
        if (!splitRow && !splitColumn && !Is(name, "FreezePanes"))
            throw AutomationError::UnknownName(name);
        Worksheet &sheet = WorkbookOf(m_conversation, m_workbook).book.Active();
        if (kind != InvokeKind::Put) {
            ExpectArgs(args, 0);
            return splitRow   ? OleVariant(sheet.SplitRows())
                : splitColumn ? OleVariant(sheet.SplitColumns())
                              : OleVariant(sheet.PanesFrozen());
        }
        ExpectArgs(args, 1);
        if (splitRow)
            sheet.SetSplit(args[0].ToInt(), sheet.SplitColumns());
        else if (splitColumn)
            sheet.SetSplit(sheet.SplitRows(), args[0].ToInt());
        else
            sheet.SetPanesFrozen(args[0].ToBool());
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
        if (Is(name, "Cells")) {
            const SheetRef sheet = ActiveSheetOf(m_conversation);
            if (kind == InvokeKind::Put) {
                PutCell(SheetOf(m_conversation, sheet), args);
                return OleVariant();
            }
            ExpectArgs(args, 0);
            return OleVariant(std::make_shared<AllCellsObject>(m_conversation, sheet));
        }
        if (Is(name, "Selection")) {
            ExpectCall(kind);
            ExpectArgs(args, 0);
            const SheetRef sheet = ActiveSheetOf(m_conversation);
            return OleVariant(std::make_shared<SelectionObject>(m_conversation, sheet,
                                                                SheetOf(m_conversation, sheet).SelectedColumns()));
        }
        if (Is(name, "ActiveWorkbook")) {
            ExpectCall(kind);
            ExpectArgs(args, 0);
            return OleVariant(std::make_shared<WorkbookObject>(m_conversation, ActiveWorkbookOf(m_conversation).id));
        }
        if (Is(name, "ActiveWindow")) {
            ExpectCall(kind);
            ExpectArgs(args, 0);
            return OleVariant(std::make_shared<WindowObject>(m_conversation, ActiveWorkbookOf(m_conversation).id));
        }
        throw AutomationError::UnknownName(name);
    }

private:
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
    const Workbook *book = ActiveBook();
    return book ? &book->Active() : nullptr;
}

const Workbook *SpreadsheetApplication::ActiveBook() const
{
    return m_workbooks.empty() ? nullptr : &m_workbooks.back()->book;
}

SpreadsheetApplication::OpenWorkbook &SpreadsheetApplication::AddWorkbook(int client)
{
    auto workbook = std::make_unique<OpenWorkbook>();
    workbook->id = m_nextWorkbook++;
    workbook->client = client;
    m_workbooks.push_back(std::move(workbook));
    return *m_workbooks.back();
}

SpreadsheetApplication::OpenWorkbook *SpreadsheetApplication::ActiveWorkbook()
{
    return m_workbooks.empty() ? nullptr : m_workbooks.back().get();
}

SpreadsheetApplication::OpenWorkbook *SpreadsheetApplication::FindWorkbook(int id)
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
    std::vector<std::unique_ptr<OpenWorkbook>> released;
    for (auto it = m_workbooks.begin(); it != m_workbooks.end();) {
        if ((*it)->client == client) {
            released.push_back(std::move(*it));
            it = m_workbooks.erase(it);
        } else {
            ++it;
        }
    }
    for (const auto &workbook : released)
        m_delivery.Deliver(workbook->book);
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
