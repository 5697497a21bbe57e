// The context-help topics of the setup window. The program ships no help file: each topic is a
// short text built in, shown next to the control the user asked about.
#pragma once

#include "platform/DialogDesign.h"

namespace help {

// Topic numbers carried by the controls (0: the control has no topic).
enum Topic : int {
  kNoTopic = 0,
  kDetailsTopic = 1,
  kHintTopic = 3,
  kInstallTopic = 5,
  kUninstallTopic = 6,
  kExitTopic = 7,
  kSelectAllTopic = 8,
  kEntryListTopic = 16,
};

// Every topic with its text (not inline, as the texts in dialog/Texts.h).
constexpr platform::HelpTopicText kTopics[] = {
    {kDetailsTopic,
     L"選択している項目を、ファイルとフォルダのどちらの右クリックメニューに出すかを選びます。"
     L"両方とも外すと、その項目はインストールされません。"},
    {kHintTopic, L"選択している項目が何をするのかを説明します。"},
    {kInstallTopic,
     L"チェックを入れた項目を右クリックメニューに登録します。"
     L"チェックのない項目は登録から外されます。"},
    {kUninstallTopic, L"このプログラムが登録した項目を、すべて右クリックメニューから削除します。"},
    {kExitTopic, L"何も変更せずに終了します。"},
    {kSelectAllTopic, L"すべての項目にチェックを入れます。"},
    {kEntryListTopic,
     L"右クリックメニューに登録できる項目の一覧です。"
     L"インストールする項目にチェックを入れてください。スペースキーでも切り替えられます。"},
};

}  // namespace help
