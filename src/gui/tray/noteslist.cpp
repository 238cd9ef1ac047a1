#include "gui/tray/noteslist.h"

#include "gui/notebook/program.h"
#include "gui/note/notewindow.h"
#include "gui/platform/units.h"
#include "base/store/noteslots.h"
#include "gui/tray/searchfold.h"
#include "gui/history/historykeeper.h"

#include <QAbstractListModel>
#include <QCoreApplication>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <numeric>

namespace {

constexpr int TitleCharacters = 60;

struct Entry
{
    QPointer<NoteWindow> note;
    QString title;
    QString text;     // as it was when the list was filled (shared with the note, not copied)
    qint32 colour = 0;
};

} // namespace

// The notes and which of them match. Opening prepares nothing but the titles; each key typed
// folds the texts one after another into one buffer and looks for the query there, which keeps
// up with typing over a thousand long notes without holding a second copy of every one.
class NotesListModel final : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    void fill(const QList<NoteWindow *> &notes)
    {
        beginResetModel();
        std::vector<Entry> entries;
        entries.reserve(size_t(notes.size()));
        for (NoteWindow *note : notes) {
            Entry entry;
            entry.note = note;
            entry.text = note->noteText();
            entry.colour = note->backColor();
            QString title = NoteSlots::firstLine(entry.text);
            if (title.size() > TitleCharacters)
                title = title.left(TitleCharacters - 1) + QChar(0x2026);
            entry.title = title.isEmpty() ? tr("(empty note)") : title;
            if (note->isPutAway())
                entry.title += tr("  (put away)");
            entries.push_back(entry);
        }
        m_entries = std::move(entries);
        m_query.clear();
        applyFilter(false);
        endResetModel();
    }

    void setFilter(const QString &query)
    {
        const QString folded = m_fold.folded(query.trimmed());
        if (folded == m_query)
            return;
        // A query that only grew can match only notes the shorter one matched.
        const bool narrowing = !m_query.isEmpty() && folded.contains(m_query);
        beginResetModel();
        m_query = folded;
        applyFilter(narrowing);
        endResetModel();
    }

    NoteWindow *noteAt(int row) const
    {
        return row >= 0 && row < int(m_shown.size()) ? m_entries[size_t(m_shown[size_t(row)])].note.data() : nullptr;
    }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : int(m_shown.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= int(m_shown.size()))
            return QVariant();
        const Entry &entry = m_entries[size_t(m_shown[size_t(index.row())])];
        switch (role) {
        case Qt::DisplayRole:
            return entry.title;
        case Qt::AccessibleTextRole:
            return tr("Note: %1").arg(entry.title);
        case Qt::DecorationRole:
            return swatch(entry.colour);
        default:
            return QVariant();
        }
    }

private:
    void applyFilter(bool narrowing)
    {
        std::vector<int> candidates;
        if (narrowing) {
            candidates.swap(m_shown);
        } else {
            candidates.resize(m_entries.size());
            std::iota(candidates.begin(), candidates.end(), 0);
        }
        m_shown.clear();
        for (const int i : candidates) {
            if (m_query.isEmpty() || matches(m_entries[size_t(i)].text))
                m_shown.push_back(i);
        }
    }

    bool matches(const QString &text)
    {
        m_fold.foldInto(text, m_buffer);
        return m_buffer.contains(m_query);
    }

    QPixmap swatch(qint32 colour) const
    {
        auto it = m_swatches.find(colour);
        if (it == m_swatches.end()) {
            QPixmap pixmap(14, 14);
            pixmap.fill(Units::toQColor(colour));
            it = m_swatches.insert(colour, pixmap);
        }
        return *it;
    }

    std::vector<Entry> m_entries;
    std::vector<int> m_shown;
    QString m_query;   // folded
    SearchFold m_fold;
    QString m_buffer;   // a note's text folded, one note after another
    mutable QHash<qint32, QPixmap> m_swatches;
};

NotesList::NotesList(Program &program)
    : QWidget(nullptr, Qt::Window)
    , m_program(program)
    , m_search(new QLineEdit(this))
    , m_view(new QListView(this))
    , m_model(new NotesListModel(this))
{
    setObjectName(QStringLiteral("NotesList"));
    setWindowTitle(tr("Find Note"));
    setAccessibleName(tr("Find Note"));
    resize(360, 420);
    auto *label = new QLabel(tr("&Find in your notes:"), this);
    label->setBuddy(m_search);
    m_search->setObjectName(QStringLiteral("SearchBox"));
    m_search->setClearButtonEnabled(true);
    m_search->installEventFilter(this);
    m_view->setObjectName(QStringLiteral("NotesView"));
    m_view->setAccessibleName(tr("Notes"));
    m_view->setModel(m_model);
    m_view->setUniformItemSizes(true);   // a thousand rows are laid out without measuring each
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_search);
    layout->addWidget(m_view);
    auto *history = new QPushButton(tr("Note &History…"), this);
    history->setObjectName(QStringLiteral("NoteHistoryButton"));
    layout->addWidget(history);
    connect(history, &QPushButton::clicked, this, [this] {
        NoteWindow *note = m_model->noteAt(m_view->currentIndex().row());
        if (HistoryKeeper *keeper = HistoryKeeper::current(); keeper && note && note->isLoaded())
            keeper->showHistory(note);
    });

    connect(m_search, &QLineEdit::textChanged, this, [this](const QString &query) {
        m_model->setFilter(query);
        m_view->setCurrentIndex(m_model->index(0));
    });
    connect(m_view, &QListView::activated, this, [this] { openCurrent(); });
}

NotesList::~NotesList() = default;

void NotesList::open()
{
    m_model->fill(NoteWindow::loadedNotes(m_program.forms));
    m_model->setFilter(m_search->text());
    m_view->setCurrentIndex(m_model->index(0));
    show();
    raise();
    activateWindow();
    m_search->setFocus(Qt::OtherFocusReason);
    m_search->selectAll();
}

void NotesList::openCurrent()
{
    QPointer<NoteWindow> note = m_model->noteAt(m_view->currentIndex().row());
    if (!note || !note->isLoaded())
        return;
    hide();
    note->bringToUser();
}

bool NotesList::eventFilter(QObject *watched, QEvent *event)
{
    // The search box keeps the keyboard: the arrows move through the list, Enter opens.
    if (watched == m_search && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(m_view, event);
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            openCurrent();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void NotesList::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}
