#include "dialog/HelpTopics.h"

namespace help {

namespace {

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

}  // namespace

const platform::HelpTopicText* Topics() {
  return kTopics;
}

std::size_t TopicCount() {
  return sizeof(kTopics) / sizeof(kTopics[0]);
}

}  // namespace help
