// The error-log entry texts; see GkMessages.h.
#include "export/GkMessages.h"

const char* const GK_LOG_FORMATS[GK_LOG_KIND_COUNT] = {
    "",
    // L1
    "\n＜WARNING＞\n資産コード｢%s｣は、連携可能最大桁数をオーバーしています。\nデータが、正しく連携されない可能性があります。",
    // L2
    "\n＜ERROR＞\n資産コード｢%s｣には、半角英数以外の文字が使用されています。",
    // L3
    "\n＜ERROR＞\n資産コード｢%s｣は、他の資産コードと重複してしまいます。",
    // L4
    "\n＜WARNING＞\n資産種類コード｢%d｣は、連携可能最大桁数をオーバーしています。\nデータが、正しく連携されない可能性があります。",
    // L5
    "\n＜WARNING＞\n資産名称｢%s｣は、\n連携可能最大文字数をオーバーしています。\n超過した文字は、自動的に切り捨てられます。",
    // L6
    "\n＜WARNING＞\n数量｢%.2f｣は、連携可能最大桁数をオーバーしています。\n減価償却データが、正しく連携されない可能性があります。",
    // L7
    "\n＜ERROR＞\n金額｢%s｣は、連携可能最大桁数をオーバーしています。",
    // L8
    "\n＜WARNING＞\nメモ欄｢%s｣は、\n連携可能最大文字数をオーバーしています。\n超過した文字は、自動的に切り捨てられます。",
    // L9
    "\n＜WARNING＞\n連携可能な最大内訳件数は99件です。\n100件目から後の内訳は出力されません。",
    // L10
    "\n＜WARNING＞\n資産コード+内訳付番｢%s%s｣は、連携可能最大桁数をオーバーしています。\nデータが、正しく連携されない可能性があります。",
    // L11
    "\n＜ERROR＞\n資産コード｢%s｣には、半角英数以外の文字が使用されています。",
    // L12
    "\n＜ERROR＞\n資産コード｢%s｣と内訳付番｢%s｣から構成される\n資産・内訳コード｢%s｣は、\n他の資産･内訳コードと重複しています。",
    // L13
    "\n＜ERROR＞\n資産コード+内訳付番｢%s｣は、\n資産コード｢%s｣が他の資産コードと重複してしまいます。",
    // L14
    "\n＜WARNING＞\n内訳名称｢%s｣は、\n連携可能最大文字数をオーバーしています。\n超過した文字は、自動的に切り捨てられます。",
    // Separator replaced: the row's code (or asset-type code) and the field.
    "\n＜WARNING＞\n%s｢%s｣の%sに、カンマまたは改行が含まれています。\nカンマは全角の｢，｣に、改行は空白に置き換えて連携します。",
};

bool GkLogEntryIsError(int entry)
{
    switch (entry) {
    case GK_LOG_L2:
    case GK_LOG_L3:
    case GK_LOG_L7:
    case GK_LOG_L11:
    case GK_LOG_L12:
    case GK_LOG_L13:
        return true;
    default:
        return false;
    }
}
