#include "gui/dialogs/fontcolordialog.h"

#include "gui/platform/units.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

FontColorDialog::FontColorDialog(const FontChoice &preset, QWidget *parent)
    : QDialog(parent)
    , m_preset(preset)
    , m_color(preset.color)
{
    setWindowTitle(tr("Font"));
    setSizeGripEnabled(true);

    // Qt's chooser embedded as a plain child: no buttons and no grip of its own.
    m_fonts = new QFontDialog(this);
    m_fonts->setOptions(QFontDialog::DontUseNativeDialog | QFontDialog::NoButtons);
    m_fonts->setWindowFlags(Qt::Widget);
    m_fonts->setSizeGripEnabled(false);
    // Its lists confirm on Return and Escape cancels it: that closes this dialog. Return elsewhere
    // in it would be swallowed, as it has no default button of its own.
    connect(m_fonts, &QDialog::accepted, this, &QDialog::accept);
    connect(m_fonts, &QDialog::rejected, this, &QDialog::reject);
    m_fonts->installEventFilter(this);

    QFont font(preset.family);
    font.setPointSizeF(preset.pointSize > 0 ? preset.pointSize : 9);
    font.setBold(preset.bold);
    font.setItalic(preset.italic);
    font.setUnderline(preset.underline);
    font.setStrikeOut(preset.strikeout);
    // A face this machine lacks (Arial, the default) is drawn in a stand-in that fontconfig picks,
    // while the chooser would show its own default face, with other styles: "Sans Serif" has no
    // Bold. It shows the face the note is really drawn in, with that face's styles.
    if (!QFontDatabase::hasFamily(font.family()))
        font.setFamily(QFontInfo(font).family());
    m_fonts->setCurrentFont(font);
    // The chooser shows a missing family as its substitute and sizes in whole points.
    m_shown = m_fonts->currentFont();

    m_colorButton = new QPushButton(tr("&Color..."), this);
    m_colorButton->setObjectName(QStringLiteral("colorButton"));
    m_colorButton->setAutoDefault(false);
    connect(m_colorButton, &QPushButton::clicked, this, &FontColorDialog::chooseColor);
    showColor();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // The colour sits under the effects, apart from OK and Cancel.
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_colorButton);
    buttonRow->addStretch();
    buttonRow->addWidget(buttons);
    m_fonts->layout()->setContentsMargins(0, 0, 0, 0);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_fonts);
    layout->addLayout(buttonRow);
}

FontChoice FontColorDialog::choice() const
{
    // Only what differs from what the chooser first showed was chosen; the rest keeps the preset,
    // so that confirming at once gives "Arial" back on a machine that shows it as another family.
    const QFont now = m_fonts->currentFont();
    FontChoice chosen = m_preset;
    if (now.family() != m_shown.family())
        chosen.family = now.family();
    if (now.pointSizeF() != m_shown.pointSizeF())
        chosen.pointSize = now.pointSizeF();
    if (now.bold() != m_shown.bold())
        chosen.bold = now.bold();
    if (now.italic() != m_shown.italic())
        chosen.italic = now.italic();
    if (now.underline() != m_shown.underline())
        chosen.underline = now.underline();
    if (now.strikeOut() != m_shown.strikeOut())
        chosen.strikeout = now.strikeOut();
    chosen.color = m_color;
    return chosen;
}

bool FontColorDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_fonts && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool plain = key->modifiers() == Qt::NoModifier
            || (key->modifiers() == Qt::KeypadModifier && key->key() == Qt::Key_Enter);
        if (plain && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FontColorDialog::chooseColor()
{
    const QColor chosen = QColorDialog::getColor(Units::toQColor(m_color), this);
    if (!chosen.isValid())
        return;
    m_color = Units::fromQColor(chosen);
    showColor();
}

void FontColorDialog::showColor()
{
    QPixmap swatch(m_colorButton->iconSize());
    swatch.fill(Units::toQColor(m_color));
    m_colorButton->setIcon(QIcon(swatch));
}
