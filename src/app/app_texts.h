// The window's own texts, in code page 936.
#pragma once

extern const char kGroupBox1Caption[];  // " 选择需要生成的短网址类型 "
extern const char kGroupBox2Caption[];  // " 输入将要缩短的长网址 "
extern const char kGroupBox3Caption[];  // " 生成的短网址 "
extern const char
    kOverseasNotice[];  // "您选择的后缀仅供海外用户使用，在中国大陆地区可能无法访问。"
extern const char kSameSourceNotice[];  // "2、4、10、11、12同源，如需验证请试其他" CR LF "偶尔…"
extern const char kFetchingCaption[];  // "正在获取Cookies请稍等"
extern const char kReadyCaption[];     // "生成短网址"
extern const char kBusyCaption[];      // "请耐心等候" CR LF "byTarvik"
extern const char kCookieQuestion[];   // "初始化Cookies失败，是否重试"
