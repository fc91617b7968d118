#include "platform/windows/phone_converters.h"

namespace platform {

namespace {

constexpr char kConverterClass[] = "{9185F743-1143-4C28-86B5-BFF14F20E5C8}";

constexpr char kFrenchPhoneMap[] =
    "- 0001 ! 0002 & 0003 , 0004 . 0005 ? 0006 _ 0007 1 0008 ~ 0009 AA 000a A 000b OH 000c AX 000d"
    " B 000e D 000f EH 0010 EY 0011 F 0012 G 0013 HY 0014 UY 0015 IY 0016 K 0017 L 0018 M 0019"
    " N 001a NG 001b NJ 001c OE 001d EU 001e OW 001f P 0020 R 0021 S 0022 SH 0023 T 0024 UW 0025"
    " V 0026 W 0027 Y 0028 Z 0029 ZH 002a";

// The Universal Phone Set: each phone and the code points of its phonetic rendering.
constexpr char kUniversalPhoneMap[] =
    "I 0069 Y 0079 IX 0268 YX 0289 UU 026F U 0075 IH 026A YH 028F UH 028A E 0065 EU 00F8"
    " EX 0258 OX 0275 OU 0264 O 006F AX 0259 EH 025B OE 0153 ER 025C UR 025E AH 028C"
    " AO 0254 AE 00E6 AEX 0250 A 0061 AOE 0276 AA 0251 Q 0252 EI 006503610069"
    " AU 00610361028A OI 025403610069 AI 006103610069 IYX 006903610259 UYX 007903610259"
    " EHX 025B03610259 UWX 007503610259 OWX 006F03610259 AOX 025403610259 EN 00650303"
    " AN 00610303 ON 006F0303 OEN 01530303 P 0070 B 0062 M 006D BB 0299 PH 0278 BH 03B2"
    " MF 0271 F 0066 V 0076 VA 028B TH 03B8 DH 00F0 T 0074 D 0064 N 006E RR 0072 DX 027E"
    " S 0073 Z 007A LSH 026C LH 026E RA 0279 L 006C SH 0283 ZH 0292 TR 0288 DR 0256"
    " NR 0273 DXR 027D SR 0282 ZR 0290 R 027B LR 026D CT 0063 JD 025F NJ 0272 C 00E7"
    " CJ 029D J 006A LJ 028E W 0077 K 006B G 0067 NG 014B X 0078 GH 0263 GA 0270 GL 029F"
    " QT 0071 QD 0262 QN 0274 QQ 0280 QH 03C7 RH 0281 HH 0127 HG 0295 GT 0294 H 0068"
    " WJ 0265 PF 007003610066 TS 007403610073 CH 007403610283 JH 006403610292"
    " JJ 006A0361006A DZ 00640361007A CC 074003610255 JC 006403610291 TSR 007403610282"
    " WH 028D ESH 029C EZH 02A2 ET 02A1 SC 0255 ZC 0291 LT 027A SHX 0267 HZ 0266 PCK 0298"
    " TCK 01C0 NCK 0021 CCK 01C2 LCK 01C1 BIM 0253 DIM 0257 QIM 029B GIM 0260 JIM 0284"
    " S1 02C8 S2 02CC . 002E _| 007C _|| 2016 lng 02D0 hlg 02D1 xsh 02D8 _^ 203F _! 0001"
    " _& 0002 _, 0003 _s 0004 _. 2198 _? 2197 T5 030B T4 0301 T3 0304 T2 0300 T1 030F"
    " T- 2193 T+ 2191 vls 030A vcd 032C bvd 0324 cvd 0330 asp 02B0 mrd 0339 lrd 031C"
    " adv 031F ret 0331 cen 0308 mcn 033D syl 0329 nsy 032F rho 02DE lla 033C lab 02B7"
    " pal 02B2 vel 02E0 phr 02E4 vph 0334 rai 031D low 031E atr 0318 rtr 0319 den 032A"
    " api 033A lam 033B nas 0303 nsr 207F lar 02E1 nar 031A ejc 02BC + 0361";

// Every language the Universal converter serves, as locale identifiers.
constexpr char kUniversalLanguages[] =
    "436;41c;401;801;c01;1001;1401;1801;1c01;2001;2401;2801;2c01;3001;3401;3801;3c01;4001;42b;42c;"
    "82c;42d;423;402;455;403;c04;1004;1404;41a;405;406;465;413;813;809;c09;1009;1409;1809;1c09;"
    "2009;2409;2809;2c09;3009;3409;425;438;429;40b;80c;c0c;100c;140c;180c;456;437;807;c07;1007;"
    "1407;408;447;40d;439;40e;40f;421;410;810;44b;457;412;812;440;426;427;827;42f;43e;83e;44e;450;"
    "414;814;415;416;816;446;418;419;44f;c1a;81a;41b;424;80a;c0a;100a;140a;180a;1c0a;200a;240a;"
    "280a;2c0a;300a;340a;380a;3c0a;400a;440a;480a;4c0a;500a;430;441;41d;81d;45a;449;444;44a;41e;"
    "41f;422;420;820;443;843;42a;";

bool KeyExists(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

void CreateKey(HKEY root, const std::string& path, const std::vector<RegistryText>& values) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_READ | KEY_CREATE_SUB_KEY | KEY_SET_VALUE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return;
  }
  for (const RegistryText& value : values) {
    // The stored length counts the terminating zero, as readers of REG_SZ expect.
    RegSetValueExA(key, value.name.empty() ? nullptr : value.name.c_str(), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(value.data.c_str()),
                   static_cast<DWORD>(value.data.size() + 1));
  }
  RegCloseKey(key);
}

}  // namespace

const std::vector<PhoneConverterKey>& PhoneConverterKeys() {
  static const std::vector<PhoneConverterKey> keys = {
      {"French",
       {{"", "French Phone Converter"}, {"CLSID", kConverterClass}, {"PhoneMap", kFrenchPhoneMap}}},
      {"French\\Attributes", {{"Language", "40C"}}},
      {"Universal",
       {{"", "Universal Phone Converter"},
        {"CLSID", kConverterClass},
        {"PhoneMap", kUniversalPhoneMap}}},
      {"Universal\\Attributes", {{"Language", kUniversalLanguages}}},
  };
  return keys;
}

void RegisterPhoneConvertersUnder(HKEY root, const std::string& tokensPath) {
  for (const PhoneConverterKey& converter : PhoneConverterKeys()) {
    const std::string path = tokensPath + "\\" + converter.path;
    if (!KeyExists(root, path)) CreateKey(root, path, converter.values);
  }
}

}  // namespace platform
