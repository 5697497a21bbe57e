// Every text the companion shows or copies, in one place.
#pragma once

#include <cstdint>

#include "companion/ItemFacts.h"

namespace companion::texts {

inline constexpr wchar_t kCaption[] = L"Vantrel";

// Labels of the details lines.
inline constexpr wchar_t kNameLabel[] = L"名前";
inline constexpr wchar_t kFullPathLabel[] = L"フルパス";
inline constexpr wchar_t kKindLabel[] = L"種類";
inline constexpr wchar_t kSizeLabel[] = L"サイズ";
inline constexpr wchar_t kCreatedLabel[] = L"作成日時";
inline constexpr wchar_t kModifiedLabel[] = L"更新日時";
inline constexpr wchar_t kAccessedLabel[] = L"アクセス日時";
inline constexpr wchar_t kAttributesLabel[] = L"属性";
inline constexpr wchar_t kLabelSeparator[] = L": ";
inline constexpr wchar_t kListSeparator[] = L", ";

// Values of the details lines.
inline constexpr wchar_t kKindFile[] = L"ファイル";
inline constexpr wchar_t kKindFolder[] = L"フォルダ";
inline constexpr wchar_t kBytesUnit[] = L" バイト";
inline constexpr wchar_t kUnknownTime[] = L"不明";
inline constexpr wchar_t kNoAttributes[] = L"なし";

struct AttributeName {
  std::uint32_t bit;
  const wchar_t* name;
};
inline constexpr AttributeName kAttributeNames[] = {
    {attribute::kReadOnly, L"読み取り専用"},
    {attribute::kHidden, L"隠し"},
    {attribute::kSystem, L"システム"},
    {attribute::kArchive, L"アーカイブ"},
    {attribute::kTemporary, L"一時"},
    {attribute::kCompressed, L"圧縮"},
    {attribute::kEncrypted, L"暗号化"},
    {attribute::kOffline, L"オフライン"},
    {attribute::kSparseFile, L"スパース"},
    {attribute::kReparsePoint, L"再解析ポイント"},
    {attribute::kNotContentIndexed, L"インデックスなし"},
};

// Error messages. The usage line tells how the program is meant to be started.
inline constexpr wchar_t kMissingEntry[] = L"項目番号が指定されていません。";
inline constexpr wchar_t kUnknownEntry[] = L"項目番号が正しくありません: ";
inline constexpr wchar_t kMissingPath[] = L"ファイルまたはフォルダが指定されていません。";
inline constexpr wchar_t kPathNotFound[] = L"ファイルまたはフォルダが見つかりません:\r\n";
inline constexpr wchar_t kClipboardFailed[] = L"クリップボードにコピーできませんでした。";
inline constexpr wchar_t kUsage[] =
    L"\r\n\r\n使い方: Vantrel.Dll 番号(1～5) \"パス\"\r\n"
    L"エクスプローラーの右クリックメニューから起動してください。";

}  // namespace companion::texts
