#include "UnitPrintSPLTPOSXBY57.h"

#include "Fonts.h"
#include "Guard.h"
#include "ReceiptLayout.h"
#include "TQRBand.h"
#include "TQRImage.h"
#include "TQRLabel.h"
#include "TQuickRep.h"

#include <QLineEdit>
#include <QPushButton>

TPrintSPLTPOSXBY57* PrintSPLTPOSXBY57 = nullptr;

using namespace ReceiptLayout;

namespace {
QFont pointFont(const QString& family, int points, bool bold = false)
{
    QFont font = layoutFont(family);
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}
}

TPrintSPLTPOSXBY57::TPrintSPLTPOSXBY57()
{
    setObjectName(QStringLiteral("PrintSPLTPOSXBY57"));
    setWindowTitle(QStringLiteral("打印设置POS"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(layoutFont(QStringLiteral("宋体")));
    setGeometry(-4, -4, 800, 644);
    createLayout();
    Edit2 = new QLineEdit(QStringLiteral("Edit2"), this);
    Edit2->hide();
    BitBtn1 = new QPushButton(QStringLiteral("打印"), this);
    BitBtn2 = new QPushButton(QStringLiteral("返回"), this);
    connect(BitBtn1, &QPushButton::clicked, this, guardedSlot([this] { BitBtn1Click(BitBtn1); }));
    connect(BitBtn2, &QPushButton::clicked, this, guardedSlot([this] { BitBtn2Click(BitBtn2); }));
    // Opening the default printer to read its paper fails when printers exist
    // but none is the default.
    QuickRep1->checkDefaultPrinter();
}

TPrintSPLTPOSXBY57::~TPrintSPLTPOSXBY57()
{
    guarded([this] { FormDestroy(this); });
}

void TPrintSPLTPOSXBY57::createLayout()
{
    QuickRep1 = new TQuickRep(this);
    QuickRep1->setObjectName(QStringLiteral("QuickRep1"));
    QuickRep1->Page = {margin, pageLength, margin, pageWidth, margin, margin};
    QRBand1 = new TQRBand(QuickRep1, bandHeight, bandWidth);
    QuickRep1->titleBand = QRBand1;

    const QFont title = pointFont(QStringLiteral("Times New Roman"), 12, true);
    const QFont text = pointFont(QStringLiteral("Arial"), 10);
    // Added in drawing order.
    QRLTitle1 = QRBand1->add<TQRLabel>(px(2), px(104), px(171), px(20), title, QStringLiteral("中国移动话费充值收据"));
    QRLAddr1 = QRBand1->add<TQRLabel>(0.0, lineTop(0), px(33), lineHeight, text, QStringLiteral("addr1"));
    QRLAddr2 = QRBand1->add<TQRLabel>(0.0, lineTop(1), px(33), lineHeight, text, QStringLiteral("addr2"));
    QRLAddr3 = QRBand1->add<TQRLabel>(0.0, lineTop(2), px(33), lineHeight, text, QStringLiteral("addr3"));
    QRLAddr4 = QRBand1->add<TQRLabel>(0.0, lineTop(3), px(33), lineHeight, text, QStringLiteral("addr4"));
    QRLPostcode = QRBand1->add<TQRLabel>(0.0, lineTop(4), px(56), lineHeight, text, QStringLiteral("Postcode"));
    QRLTel = QRBand1->add<TQRLabel>(0.0, lineTop(5), px(18), lineHeight, text, QStringLiteral("Tel"));
    QRLabel1 = QRBand1->add<TQRLabel>(0.0, lineTop(6), px(36), lineHeight, text, QStringLiteral("10086"));
    QRImage1 = QRBand1->add<TQRImage>(px(2), px(1), px(169), px(81));
    QRImage1->Picture.LoadFromFile(QStringLiteral(":/images/default-logo.jpg"));
    QRLabelB1 = QRBand1->add<TQRLabel>(0.0, lineTop(7), px(5), lineHeight, text, QStringLiteral("."));
    QRLabelB2 = QRBand1->add<TQRLabel>(0.0, lineTop(8), px(5), lineHeight, text, QStringLiteral("."));
}

void TPrintSPLTPOSXBY57::BitBtn1Click(QObject*)
{
    // A request that arrives while this report runs (events are handled during
    // a run) is ignored whole: no second job, and no close before the run ends.
    if (QuickRep1->running())
        return;
    if (Edit2->text() == QLatin1String("print"))
        QuickRep1->Print();
    else
        QuickRep1->Preview();
    close();
}

void TPrintSPLTPOSXBY57::BitBtn2Click(QObject*)
{
    close();
}

void TPrintSPLTPOSXBY57::FormClose(QObject*, TCloseAction& Action)
{
    Action = TCloseAction::caFree;
}

void TPrintSPLTPOSXBY57::FormDestroy(QObject*)
{
    PrintSPLTPOSXBY57 = nullptr;
}
