#include "app/client.h"

#include "chat/register_chat.h"
#include "hand/chu_pai.h"
#include "table/main_form.h"

namespace qv {

Client::Client(platform::Services& platformServices) : services(platformServices) {
    // Each subsystem registers its message branches and pump steps here.
    connection::RegisterBranches(conn);
    hand::RegisterBranches(conn, [this] { return handOnTable(); });
    conn.tableExit = &handTableExit;
    table::registerTableForms(forms, tableContext, [this](table::MainForm& form) {
        chat::wireChatControls(form, [this] { return chatOnTable(); });
    });
    chat::registerChatForms(forms, services, chat, [this] { return chatOnTable(); });
    chat::registerChatSteps(conn, [this] { return chatOnTable(); });
    hand::registerHandForms(
        forms, [this]() -> const forms::Form* { return forms.find<table::MainForm>(); });
}

hand::HandContext* Client::handOnTable() {
    auto* form = forms.find<table::MainForm>();
    if (form == nullptr) {
        return nullptr;
    }
    if (!handContext_ || &handContext_->form != form) {
        handContext_.emplace(
            hand::HandContext{*form, hand, conn, table, plugin, sound, services, imageRes});
    }
    return &*handContext_;
}

} // namespace qv

namespace qv {

chat::ChatContext* Client::chatOnTable() {
    auto* form = forms.find<table::MainForm>();
    if (form == nullptr) {
        return nullptr;
    }
    if (!chatContext_ || &chatContext_->form != form) {
        chatContext_.emplace(
            chat::ChatContext{*form, chat, conn, hand, table, plugin, sound, services, [this] {
                                  return chatOnTable();
                              }});
    }
    return &*chatContext_;
}

} // namespace qv
