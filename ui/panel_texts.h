// The fixed texts of the window's panels and of the home page question.
#pragma once

#include <string>

#include "engine/holidays.h"
#include "engine/run_state.h"
#include "view/law_text.h"

namespace korinde {

// Set by the build, which also writes it into the desktop metadata.
inline const std::string home_page_url = KORINDE_HOME_PAGE;
inline const std::string author_mail = "korinde@example.jp";
inline const std::string author_credit = "by Korinde Project";

// The window's title; it says when today's holiday law is shown instead of
// the built-in rules.
inline std::string window_title() {
    const bool current = kyotu1::holiday_law == kyotu1::HolidayLaw::current;
    return kyotu1::app_title + (current ? "（現行の祝日）" : "");
}

// Which holidays the grid shows, where the title is cut short: the window's
// accessible description and the month frame's tooltip.
inline std::string law_description() { return std::string(kyotu1::law_description(kyotu1::holiday_law)); }

inline const std::string about_version = "Ver 2.02(2004/11/22)";
inline const std::string about_mail_heading = "メールＩＤ：";
inline const std::string about_home_page_heading = "ﾎｰﾑﾍﾟｰｼﾞ：";

// The help picture's notice: paragraphs parted by an empty line.
inline const std::string usage_notice =
    "天文数学計算により2000-2100年までの春分/秋分の日の計算がされています。\n\n"
    "特別な国民の休日ﾃﾞｰﾀも取込み2000-2100年迄は多分完璧なｶﾚﾝﾀﾞｰです。(保証はしません)\n\n"
    "2049年9月に4連休の無い万年カレンダーは偽物です。ご注意を！\n\n"
    "Shiftｷｰを押しながら翌月を押すと１年後の月が表示されます。Ctrlｷｰ押しながらで10年後表示です。\n\n"
    "下の赤色を左ｸﾘｯｸするとﾊﾞｰｼﾞｮﾝと作者ﾒｰﾙｱﾄﾞﾚｽ表示。\n\n"
    "注意：\n"
    "\n\n";  // the paragraph under 注意： has always been empty

// The about panel: seven lines, each ending in CR LF, the text box's line break.
inline std::string about_text() {
    const std::string crlf = "\r\n";
    return kyotu1::app_title + crlf + about_version + crlf + author_credit + crlf + about_mail_heading + crlf +
           author_mail + crlf + about_home_page_heading + crlf + home_page_url + crlf;
}

inline const std::string home_page_question =
    "\nインターネットに接続していますか？\n\n作者のＨＰを開けます。\n\nパソコンの部屋と自己紹介をご覧下さい。";
inline const std::string home_page_question_title = "インターネット接続";

// Shown when no web browser can be started for the home page; the address
// follows it, so the user can still open the page by hand.
inline const std::string browser_failed =
    "ブラウザを起動できませんでした。\n\n次のアドレスをブラウザで開いてください。\n";

}  // namespace korinde
