#include "UnitMain.h"

#include "CarrierTable.h"
#include "Clock.h"
#include "DataStore.h"
#include "DateFormat.h"
#include "Fonts.h"
#include "FormFactory.h"
#include "Guard.h"
#include "MainTexts.h"
#include "TADOConnection.h"
#include "TADOQuery.h"
#include "ProgramFolder.h"
#include "TQRImage.h"
#include "TQRLabel.h"
#include "TBevel.h"
#include "TFlatComboBox.h"
#include "TFlatEdit.h"
#include "TFlatPanel.h"
#include "TFlatSpeedButton.h"
#include "TImage.h"
#include "TLabel.h"
#include "UnitPrintSPLTPOSXBY57.h"
#include "WebAddress.h"

#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QShowEvent>

TFormMain* FormMain = nullptr;

namespace {

const QColor windowColour(0xC1, 0xD7, 0xFD);
const QPoint designedPlace(227, 81);
const QSize designedOuterSize(570, 577);

QFont pixelFont(const QString& family, int pixels, bool bold = false)
{
    QFont font = layoutFont(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

TLabel* label(const QString& name, QWidget* parent, const QString& text, const QRect& box)
{
    auto* l = new TLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(box);
    return l;
}

TFlatEdit* edit(const QString& name, QWidget* parent, const QRect& box, const QString& text = QString())
{
    auto* e = new TFlatEdit(parent);
    e->setObjectName(name);
    e->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 16));
    e->setGeometry(box);
    e->setText(text);
    return e;
}

TFlatSpeedButton* button(const QString& name, QWidget* parent, const QString& caption, const QRect& box)
{
    auto* b = new TFlatSpeedButton(parent);
    b->setObjectName(name);
    b->setText(caption);
    b->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 16, true));
    QPalette colours = b->palette();
    colours.setColor(QPalette::ButtonText, Qt::white);
    b->setPalette(colours);
    b->setGeometry(box);
    return b;
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, colour);
    widget->setPalette(colours);
}

// Read as PNG by name: a reader left to detect the format loads every
// image-format plugin first, only to ask each whether it knows the file.
QIcon programWindowIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 72, 96, 128}) {
        QImageReader reader(QStringLiteral(":/icons/window-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

} // namespace

TFormMain::TFormMain()
{
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(MainTexts::caption);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(programWindowIcon());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, windowColour);
    colours.setColor(QPalette::WindowText, QColor(Qt::black));
    setPalette(colours);
    setAutoFillBackground(true);
    setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));
    move(designedPlace);
    resize(designedOuterSize);
    createControls();
    ADOConnection1 = new TADOConnection(this, QStringLiteral("ADOConnection1"));
    ADOQuery1 = new TADOQuery(this, QStringLiteral("ADOQuery1"));
    ADOQuery1->Connection = ADOConnection1;
    ADOQuery2 = new TADOQuery(this, QStringLiteral("ADOQuery2"));
    ADOQuery2->Connection = ADOConnection1;

    connect(&Timer1, &QTimer::timeout, this, guardedSlot([this] { Timer1Timer(&Timer1); }));
    Timer1.start(1000);
    guarded([this] { FormCreate(this); });
}

void TFormMain::createControls()
{
    Label1 = label(QStringLiteral("Label1"), this, MainTexts::heading, {160, 8, 281, 20});
    Label1->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 16, true));
    setTextColour(Label1, QColor(0xFF, 0xFF, 0x00));
    Label8 = label(QStringLiteral("Label8"), this, MainTexts::heading, {158, 7, 283, 20});
    Label8->setFont(Label1->font());
    setTextColour(Label8, QColor(0xFF, 0x00, 0x00));
    Label2 = label(QStringLiteral("Label2"), this, MainTexts::contactLine, {8, 520, 537, 20});
    Label2->setFont(pixelFont(QStringLiteral("宋体"), 16));
    Label2->setTransparent(false);
    setTextColour(Label2, QColor(0x00, 0x00, 0x80));
    Label2->OnClick = [this](QObject* sender) { Label2Click(sender); };

    FlatPanel1 = new TFlatPanel(this);
    FlatPanel1->setObjectName(QStringLiteral("FlatPanel1"));
    FlatPanel1->setGeometry(16, 32, 529, 409);
    QWidget* panel = FlatPanel1;

    Image1 = new TImage(panel);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(1, 1, 527, 407);
    Image1->Picture.LoadFromFile(QStringLiteral(":/images/background.jpg"));
    Image1->Picture.jpeg()->pixels(); // decoded now: a paint event must never raise
    FlatSpeedButton2 = button(QStringLiteral("FlatSpeedButton2"), panel, QStringLiteral("打印小票"), {320, 368, 137, 33});
    Label5 = label(QStringLiteral("Label5"), panel, QStringLiteral("充值号码："), {48, 120, 105, 16});
    Label6 = label(QStringLiteral("Label6"), panel, QStringLiteral("充值金额："), {48, 168, 105, 16});
    Label7 = label(QStringLiteral("Label7"), panel, QStringLiteral("店名："), {168, 24, 36, 16});
    Label7->adjustSize();
    Label9 = label(QStringLiteral("Label9"), panel, QStringLiteral("充值时间："), {48, 232, 113, 16});
    Label10 = label(QStringLiteral("Label10"), panel, QStringLiteral("备     注  1："), {48, 280, 97, 16});
    Label11 = label(QStringLiteral("Label11"), panel, QStringLiteral("备      注  2："), {48, 328, 97, 16});
    FlatSpeedButton3 = button(QStringLiteral("FlatSpeedButton3"), panel, QStringLiteral("保存备注"), {48, 368, 137, 33});
    Label3 = label(QStringLiteral("Label3"), panel, QStringLiteral("选择运营商："), {48, 72, 113, 16});
    Bevel1 = new TBevel(panel);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setGeometry(0, 208, 528, 6);

    FlatEdit1 = edit(QStringLiteral("FlatEdit1"), panel, {208, 16, 185, 26}, MainTexts::storeName);
    FlatEdit1->setReadOnly(true);
    FlatEdit1->setEnabled(false);
    FlatEdit2 = edit(QStringLiteral("FlatEdit2"), panel, {144, 112, 313, 26});
    FlatEdit3 = edit(QStringLiteral("FlatEdit3"), panel, {144, 160, 313, 26}, QStringLiteral("0"));
    FlatEdit6 = edit(QStringLiteral("FlatEdit6"), panel, {144, 224, 313, 26});
    FlatEdit7 = edit(QStringLiteral("FlatEdit7"), panel, {144, 272, 313, 26});
    FlatEdit8 = edit(QStringLiteral("FlatEdit8"), panel, {144, 320, 313, 26});
    FlatComboBox1 = new TFlatComboBox(panel);
    FlatComboBox1->setObjectName(QStringLiteral("FlatComboBox1"));
    FlatComboBox1->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 16));
    FlatComboBox1->setGeometry(144, 64, 313, 28);
    FlatComboBox1->setItems(MainTexts::carriers);

    setTabOrder(FlatEdit2, FlatEdit3);
    setTabOrder(FlatEdit3, FlatEdit6);
    setTabOrder(FlatEdit6, FlatEdit7);
    setTabOrder(FlatEdit7, FlatEdit8);
    setTabOrder(FlatEdit8, FlatComboBox1);

    using namespace std::placeholders;
    FlatComboBox1->OnKeyDown = std::bind(&TFormMain::FlatComboBox1KeyDown, this, _1, _2, _3);
    FlatEdit2->OnKeyDown = std::bind(&TFormMain::FlatEdit2KeyDown, this, _1, _2, _3);
    FlatEdit3->OnKeyDown = std::bind(&TFormMain::FlatEdit3KeyDown, this, _1, _2, _3);
    FlatEdit6->OnKeyDown = std::bind(&TFormMain::FlatEdit6KeyDown, this, _1, _2, _3);
    FlatEdit7->OnKeyDown = std::bind(&TFormMain::FlatEdit7KeyDown, this, _1, _2, _3);
    FlatEdit8->OnKeyDown = std::bind(&TFormMain::FlatEdit8KeyDown, this, _1, _2, _3);
    connect(FlatSpeedButton2, &QAbstractButton::clicked, this,
            guardedSlot([this](bool) { FlatSpeedButton2Click(FlatSpeedButton2); }));
    connect(FlatSpeedButton3, &QAbstractButton::clicked, this,
            guardedSlot([this](bool) { FlatSpeedButton3Click(FlatSpeedButton3); }));
}

void TFormMain::FormCreate(QObject*)
{
    connectStore(*ADOConnection1);
}

void TFormMain::showEvent(QShowEvent* event)
{
    TForm::showEvent(event);
    if (shown || event->spontaneous())
        return;
    shown = true;
    guarded([this] { FormShow(this); });
    placeWindow();
}

// The designed outer size includes the frame; the frame's size is known only
// once the window system has decorated the window.
void TFormMain::placeWindow()
{
    QTimer::singleShot(0, this, [this] {
        const QSize frame = frameGeometry().size() - size();
        resize(designedOuterSize - frame);
        move(designedPlace);
    });
}

void TFormMain::FormShow(QObject*)
{
    FlatEdit6->setText(formatDateTime(MainTexts::timePattern, currentDateTime()));
    FlatEdit2->setFocus();
    openTables(*ADOQuery1, *ADOQuery2);
    // The remarks the clerk saved come back; the fixed texts until then.
    const SavedRemarks saved = savedRemarks(*ADOQuery2);
    FlatEdit7->setText(saved.present ? saved.remark1 : MainTexts::remark1);
    FlatEdit8->setText(saved.present ? saved.remark2 : MainTexts::remark2);
    FlatComboBox1->setCurrentIndex(0);
}

void TFormMain::Timer1Timer(QObject*)
{
    FlatEdit6->setText(formatDateTime(MainTexts::timePattern, currentDateTime()));
}

void TFormMain::FlatComboBox1KeyDown(QObject*, int& Key, Qt::KeyboardModifiers)
{
    if (Key == keyEnter)
        FlatEdit2->setFocus();
}

void TFormMain::FlatEdit2KeyDown(QObject*, int& Key, Qt::KeyboardModifiers)
{
    if (Key == keyEnter)
        FlatEdit3->setFocus();
}

void TFormMain::FlatEdit3KeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers)
{
    if (Key == keyEnter)
        FlatSpeedButton2Click(Sender);
}

void TFormMain::FlatEdit6KeyDown(QObject*, int& Key, Qt::KeyboardModifiers)
{
    if (Key == keyEnter)
        FlatEdit7->setFocus();
}

void TFormMain::FlatEdit7KeyDown(QObject*, int& Key, Qt::KeyboardModifiers)
{
    if (Key == keyEnter)
        FlatEdit8->setFocus();
}

void TFormMain::FlatEdit8KeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers)
{
    if (Key == keyEnter)
        FlatSpeedButton2Click(Sender);
}

// The print command: writes the fields into a report window and prints one
// receipt. Each step runs only when the one before succeeded; a failure leaves
// what was written, the window standing and the focus where it was.
void TFormMain::FlatSpeedButton2Click(QObject* Sender)
{
    // A trigger that arrives while a receipt prints (the run lets events through)
    // is dropped: one receipt per deliberate command.
    if (printing)
        return;
    const QScopedValueRollback<bool> printingNow(printing, true);

    // 1. The window left standing by a failed command, or a fresh one.
    TPrintSPLTPOSXBY57* report = existingOrNewForm(PrintSPLTPOSXBY57);
    // 2-8. Texts exactly as the fields hold them.
    report->QRLTitle1->Caption = FlatComboBox1->currentText() + QStringLiteral("话费充值收据");
    report->QRLAddr1->Caption = QStringLiteral("充值号码:") + FlatEdit2->text();
    report->QRLAddr2->Caption = QStringLiteral("充值金额:") + FlatEdit3->text();
    report->QRLAddr3->Caption = QStringLiteral("充值时间:") + FlatEdit6->text();
    report->QRLAddr4->Caption = QStringLiteral("充值网点:") + FlatEdit1->text();
    report->QRLPostcode->Caption = FlatEdit7->text();
    report->QRLTel->Caption = FlatEdit8->text();
    // 9. The hotline first, so a logo that fails to load leaves it in place.
    if (const Carrier* carrier = carrierAt(FlatComboBox1->currentIndex())) {
        report->QRLabel1->Caption = carrier->hotline;
        report->QRImage1->Picture.LoadFromFile(programFilePath(carrier->logoFile));
    }
    // 10-12.
    report->Edit2->setText(QStringLiteral("print"));
    report->BitBtn1Click(Sender);
    FlatEdit2->setFocus();
}

void TFormMain::FlatSpeedButton3Click(QObject*)
{
    saveRemarks(*ADOQuery2, FlatEdit7->text(), FlatEdit8->text());
}

void TFormMain::Label2Click(QObject*)
{
    openWebAddress(MainTexts::homePage);
}

// A failure to empty the sales table abandons the close (through the guard).
void TFormMain::FormClose(QObject*, TCloseAction&)
{
    emptySalesTable(*ADOConnection1, *ADOQuery1);
}
