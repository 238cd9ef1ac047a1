#include "gui/history/historywindow.h"

#include "base/history/versiondiff.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

namespace {

QString sizeText(qint64 bytes)
{
    return bytes < 1024 ? QCoreApplication::translate("HistoryWindow", "%n bytes", nullptr, int(bytes))
                        : QCoreApplication::translate("HistoryWindow", "%1 KB").arg((bytes + 1023) / 1024);
}

} // namespace

HistoryWindow::HistoryWindow(NoteHistory &history, const QString &noteId, const QString &noteName,
                             std::function<QString()> currentText, QWidget *parent)
    : QWidget(parent, Qt::Dialog)
    , m_history(history)
    , m_noteId(noteId)
    , m_currentText(std::move(currentText))
{
    setObjectName(QStringLiteral("NoteHistory"));
    setWindowTitle(noteName.isEmpty() ? tr("Note History") : tr("Note History: %1").arg(noteName));
    setAccessibleName(windowTitle());
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("Versions"));
    m_list->setAccessibleName(tr("Versions"));
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("VersionText"));
    m_text->setReadOnly(true);
    m_text->setAccessibleName(tr("Text of the chosen version"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("Status"));
    m_restore = new QPushButton(tr("Restore This Version"), this);
    m_restore->setObjectName(QStringLiteral("Restore"));
    m_restore->setDefault(true);
    m_close = new QPushButton(tr("Close"), this);
    m_close->setObjectName(QStringLiteral("Close"));

    auto *panes = new QHBoxLayout;
    panes->addWidget(m_list, 2);
    panes->addWidget(m_text, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_status, 1);
    buttons->addWidget(m_restore);
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(panes);
    layout->addLayout(buttons);
    setTabOrder(m_list, m_text);
    setTabOrder(m_text, m_restore);
    setTabOrder(m_restore, m_close);
    resize(760, 420);

    connect(m_list, &QListWidget::currentRowChanged, this, &HistoryWindow::showChosen);
    connect(m_restore, &QPushButton::clicked, this, &HistoryWindow::restoreChosen);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    refresh();
    m_list->setFocus();
}

QString HistoryWindow::describe(const NoteHistory::Version &version)
{
    const QString when = QLocale().toString(version.time(), QLocale::ShortFormat);
    const QString line = version.firstChangedLine.isEmpty() ? tr("(lines removed at the end)") : version.firstChangedLine;
    return QStringLiteral("%1  ·  %2  ·  %3").arg(when, sizeText(version.bytes), line.left(80));
}

void HistoryWindow::refresh()
{
    const qint64 chosen = m_list->currentRow() >= 0 && m_list->currentRow() < m_versions.size()
        ? m_versions.at(m_list->currentRow()).made : -1;
    m_versions = m_history.list(m_noteId);
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    int row = 0;
    for (int i = 0; i < m_versions.size(); ++i) {
        m_list->addItem(describe(m_versions.at(i)));
        if (m_versions.at(i).made == chosen)
            row = i;
    }
    m_list->setCurrentRow(m_versions.isEmpty() ? -1 : row);
    showChosen();
}

void HistoryWindow::showChosen()
{
    const int row = m_list->currentRow();
    const std::optional<QString> text = row >= 0 && row < m_versions.size()
        ? m_history.read(m_noteId, m_versions.at(row).made) : std::nullopt;
    m_restore->setEnabled(text.has_value());
    if (!text) {
        m_text->clear();
        m_status->setText(m_versions.isEmpty() ? tr("This note has no earlier versions yet.") : QString());
        return;
    }
    m_text->setPlainText(*text);
    // The lines that differ from the note as it stands, marked so a reader can see what a
    // restore would bring back.
    const QList<bool> marked = VersionDiff::linesNotIn(*text, m_currentText());
    QList<QTextEdit::ExtraSelection> marks;
    QTextCharFormat format;
    format.setBackground(palette().color(QPalette::Highlight).lighter(170));
    format.setProperty(QTextFormat::FullWidthSelection, true);
    QTextBlock block = m_text->document()->firstBlock();
    for (qsizetype line = 0; block.isValid() && line < marked.size(); ++line, block = block.next()) {
        if (!marked.at(line))
            continue;
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(block);
        mark.format = format;
        marks.append(mark);
    }
    m_text->setExtraSelections(marks);
    const int changed = int(marks.size());
    m_status->setText(changed == 0 ? tr("Same as the note now.")
                                   : tr("%n line(s) differ from the note now (marked).", nullptr, changed));
}

void HistoryWindow::restoreChosen()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_versions.size())
        return;
    if (const std::optional<QString> text = m_history.read(m_noteId, m_versions.at(row).made))
        emit restoreRequested(m_noteId, *text);
    refresh();
}

void HistoryWindow::keyPressEvent(QKeyEvent *event)
{
    // Escape closes, as in the other dialogs; Enter presses the button that has the keyboard,
    // else restores the chosen version.
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (focusWidget() == m_close)
            close();
        else if (m_restore->isEnabled())
            m_restore->click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}
