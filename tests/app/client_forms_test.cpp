#include "app/client.h"
#include "hand/chu_pai.h"
#include "platform/fake/fake_platform.h"
#include "table/main_form.h"

#include <gtest/gtest.h>

namespace qv::app {
namespace {

TEST(ClientForms, TheIllegalPlayNoticeCentresOnTheClientsTableWindow) {
    platform::fake::FakePlatform platform;
    Client client{platform.services};
    client.forms.get<table::MainForm>().move(1500, 3000, 15360, 11520);
    const hand::ChuPai& notice = client.forms.get<hand::ChuPai>();
    EXPECT_TRUE(notice.visible());
    EXPECT_EQ(notice.left(), (15360 - 2730) / 2.0 + 1500);
    EXPECT_EQ(notice.top(), (11520 - 975) / 2.0 + 3000);
}

} // namespace
} // namespace qv::app
