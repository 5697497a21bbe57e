// Every text the user reads in the setup: captions, items, messages and hints, in one place.
// The names of files and registry keys are in dialog/Names.h.
// Not inline: the window's design table refers to these from its data, and GNU ld 2.40 warns
// at a link-time-optimised link about the last such inline (COMDAT) variable of a file. Each
// file that uses a text holds its own copy (today every text is used by one file).
#pragma once

namespace texts {

// Window and control captions.
constexpr wchar_t kWindowCaption[] = L"Vantrel [ Install ]";
constexpr wchar_t kInstallCaption[] = L"ｲﾝｽﾄｰﾙ";
constexpr wchar_t kUninstallCaption[] = L"ｱﾝｲﾝｽﾄｰﾙ";
constexpr wchar_t kExitCaption[] = L"終了";
constexpr wchar_t kDetailsCaption[] = L"詳細";
constexpr wchar_t kHintFrameCaption[] = L"ヒント";
constexpr wchar_t kInstructionCaption[] = L"ｲﾝｽﾄｰﾙする項目にチェックを入れてください";
// The select-all bar shows no caption: this is what screen readers call it.
constexpr wchar_t kSelectAllName[] = L"すべて選択";
constexpr wchar_t kApplyToFiles[] = L"ファイルに適用";
constexpr wchar_t kApplyToFolders[] = L"フォルダに適用";
constexpr wchar_t kMessageTitle[] = L"Install";

// Messages.
constexpr wchar_t kMissingFile[] = L"次のファイルが存在しません。インストールに必要です";
constexpr wchar_t kUninstallPrefix[] = L"アン";
constexpr wchar_t kInstallSucceeded[] = L"インストールに成功しました！";
constexpr wchar_t kInstallFailed[] = L"インストールに失敗しました。";
// Install asks before it registers commands from a place that others may change, and says
// in one line why.
constexpr wchar_t kOthersMayChange[] =
    L"次のフォルダの Vantrel.Dll は、管理者以外のユーザーに置き換えられる可能性があります。";
constexpr wchar_t kOtherAccountsMayChange[] =
    L"理由: このフォルダまたは Vantrel.Dll を、ほかのアカウントも変更できるか、そのアクセス許可を"
    L"読み取れません。";
constexpr wchar_t kFolderAboveMayBeReplaced[] =
    L"理由: 上のフォルダを、ほかのアカウントも削除、名前の変更、アクセス許可の変更ができるか、"
    L"そのアクセス許可を読み取れません。";
constexpr wchar_t kLinkOnThePath[] =
    L"理由: フォルダへのパスにジャンクションまたはシンボリック リンクがあり、そのリンク先は後から"
    L"変えられます。";
constexpr wchar_t kOnAnotherComputer[] =
    L"理由: フォルダがほかのコンピューター上にあり、だれが変更できるかをこのコンピューターからは"
    L"確かめられません。";
constexpr wchar_t kOthersMayChangeRisk[] =
    L"ここからインストールすると、だれかが Vantrel.Dll をほかのプログラムに置き換えて、"
    L"メニューを使った人（管理者を含む）の権限でそのプログラムを動かせるおそれがあります。\r\n\r\n"
    L"zip の中身を C:\\Program Files\\Vantrel など管理者だけが変更できるフォルダに展開し、"
    L"そこから Install.exe を実行してください。\r\n\r\n"
    L"このままインストールしますか？";

// Hints for rows 0 to 4, with the escapes that ExpandEscapes expands.
inline constexpr const wchar_t* kHints[] = {
    L"Windowsでサポートされている\\nロング形式でファイルの位置＋名前を\\nクリップボードにコピーしま"
    L"す。",
    L"Windowsでサポートされている\\nロング形式でファイルの位置を\\nクリップボードにコピーします。",
    L"DOSでサポートされている形式で\\nファイルの位置＋ファイル名を\\nクリップボードにコピーします"
    L"。",
    L"DOSでサポートされている形式で\\nファイルの位置を\\nクリップボードにコピーします。",
    L"ファイルの詳細情報をクリップボードに\\nコピーします。\\n\\sおまけみたいなものです",
};

}  // namespace texts
