#include "render/Spriterechtecke.h"

#include <string>

#include "foundation/Fehler.h"

ML_Rechteck ML_Zellrechteck;

namespace {

ML_Rechteck r(int links, int rechts, int oben, int unten, int vx = 0, int vy = 0) {
    return ML_Rechteck{vx, vy, links, rechts, oben, unten};
}

// The model table; repeating models are written as the model they repeat.
ML_Rechteck modell(int m) {
    if (m == 0) return r(0, 1, 0, 1);
    if (m <= 26) return r(0, 4, 0, 4);
    if (m == 27) return r(44, 64, 4, 8, -46, -9);
    if (m == 28) return r(44, 64, 8, 12, -46, -9);
    if (m <= 34) {
        int i = (m - 29) / 2;
        return (m - 29) % 2 == 0 ? r(4 * i, 4 * i + 4, 8, 10) : r(4 * i, 4 * i + 4, 10, 12);
    }
    if (m == 35) return r(12, 14, 8, 10);
    if (m == 36) return r(14, 16, 8, 10);
    if (m == 37) return r(12, 14, 10, 12);
    if (m == 38) return r(14, 16, 10, 12);
    if (m <= 47) {
        int i = m <= 43 ? m - 39 : 4;
        return r(16 + 4 * i, 20 + 4 * i, 8, 12);
    }
    if (m <= 88) {
        int i = m <= 51 ? m - 48 : 3;
        return r(36 + 2 * i, 38 + 2 * i, 10, 12);
    }
    if (m == 89) return r(0, 6, 12, 18);
    if (m <= 92) {
        int i = m - 90;
        return r(6, 8, 12 + 2 * i, 14 + 2 * i);
    }
    if (m <= 96) {
        int i = m - 93;
        return r(2 * i, 2 * i + 2, 18, 20);
    }
    if (m <= 100) {
        int i = m - 97;
        return r(8 + 4 * i, 12 + 4 * i, 16, 20);
    }
    if (m == 101) return r(0, 8, 20, 28);
    if (m == 102) return r(8, 16, 20, 28);
    if (m <= 156) {
        int n = m - 103, j = n / 18, i = (n % 18) / 2;
        int oben = n % 2 == 0 ? 28 + 10 * j : 33 + 10 * j;
        return r(5 * i, 5 * i + 5, oben, oben + 5);
    }
    if (m == 157) return r(24, 28, 16, 20);
    if (m <= 175) {
        int n = m - 158, i = n / 2;
        return n % 2 == 0 ? r(16 + 4 * i, 20 + 4 * i, 20, 24) : r(16 + 4 * i, 20 + 4 * i, 24, 28);
    }
    switch (m) {
        case 176:
            return r(44, 64, 4, 8, 224, -38);
        case 177:
            return r(8, 9, 14, 15, -9, 6);
        case 178:
            return r(8, 9, 15, 16, -9, 6);
        case 179:
            return r(44, 64, 4, 8, 10, -50);
        case 180:
            return r(44, 64, 4, 8, -306, 266);
        case 181:
            return r(44, 64, 4, 8, -154, -38);
        case 182:
            return r(44, 64, 4, 8, -65, -12);
        case 183:
            return r(44, 64, 4, 8, -306, 16);
        case 184:
            return r(44, 64, 4, 8, -192, 0);
        case 185:
            return r(44, 64, 4, 8, -64, -51);
        case 186:
            return r(44, 64, 4, 8, -46, -9);
        default:
            break;
    }
    if (m <= 192) {
        int i = m - 187;
        return m == 191 ? r(36 + 2 * i, 38 + 2 * i, 14, 16, 230, -7) : r(36 + 2 * i, 38 + 2 * i, 14, 16);
    }
    if (m <= 198) {
        int n = m - 193, i = n / 2;
        return n % 2 == 0 ? r(52 + 4 * i, 56 + 4 * i, 20, 24) : r(52 + 4 * i, 56 + 4 * i, 24, 28);
    }
    switch (m) {
        case 199:
            return r(9, 10, 14, 15);
        case 200:
            return r(9, 10, 15, 16);
        case 201:
            return r(56, 58, 12, 14);
        case 202:
            return r(58, 60, 12, 14);
        case 203:
            return r(48, 50, 14, 16);
        case 204:
            return r(60, 62, 12, 14);
        case 205:
            return r(28, 32, 16, 20);
        case 206:
            return r(32, 36, 16, 20);
        case 207:
            return r(36, 40, 16, 20);
        default:
            break;
    }
    if (m <= 212) {
        int i = m - 208;
        return r(50 + 2 * i, 52 + 2 * i, 14, 16);
    }
    if (m == 213) return r(40, 44, 16, 20);
    if (m <= 218) return r(62, 64, 12, 14);
    if (m == 219) return r(62, 64, 14, 16);
    if (m == 220) return r(60, 62, 14, 16);
    if (m <= 225) {
        int i = m - 221;
        return r(48 + 2 * i, 50 + 2 * i, 16, 18);
    }
    if (m <= 233) {
        int i = m - 226;
        return r(48 + 2 * i, 50 + 2 * i, 18, 20);
    }
    switch (m) {
        case 234:
            return r(58, 60, 16, 18);
        case 235:
            return r(60, 62, 16, 18);
        case 236:
            return r(62, 64, 16, 18);
        case 237:
            return r(60, 62, 28, 30);
        case 238:
            return r(62, 64, 28, 30);
        case 239:
            return r(60, 62, 30, 32);
        case 240:
            return r(56, 58, 28, 30);
        case 241:
            return r(58, 60, 28, 30);
        case 242:
            return r(52, 56, 28, 31);
        case 243:
            return r(48, 52, 28, 31);
        case 244:
            return r(44, 64, 4, 8, -46, -9);
        case 245:
            return r(48, 52, 32, 36);
        default:
            break;
    }
    if (m <= 261) {
        int i = m - 246;
        return r(4 * i, 4 * i + 4, 60, 64);
    }
    if (m == 262) return r(44, 64, 56, 60);
    if (m <= 278) return r(54, 64, 56, 58);
    if (m == 279) return r(62, 64, 56, 58);
    if (m == 280) return r(40, 44, 56, 60);
    if (m == 281) return r(36, 40, 56, 60);
    if (m <= 291) {
        int i = m - 282;
        return r(2 + 2 * i, 4 + 2 * i, 0, 2);
    }
    switch (m) {
        case 292:
            return r(10, 36, 2, 6);
        case 293:
            return r(10, 36, 6, 8);
        case 294:
            return r(10, 36, 12, 16);
        case 295:
            return r(0, 6, 2, 4);
        case 296:
            return r(0, 6, 4, 6);
        case 297:
            return r(10, 26, 2, 5);
        case 298:
            return r(20, 36, 2, 5);
        case 299:
            return r(10, 26, 5, 8);
        case 300:
            return r(20, 36, 5, 8);
        case 301:
            return r(10, 26, 4, 8);
        case 302:
            return r(20, 36, 4, 8);
        case 303:
            return r(10, 26, 13, 16);
        case 304:
            return r(20, 36, 13, 16);
        case 305:
            return r(6, 8, 2, 4);
        case 306:
            return r(8, 10, 2, 4);
        case 307:
            return r(6, 8, 4, 6);
        case 308:
            return r(8, 10, 4, 6);
        default:
            break;
    }
    if (m <= 313) {
        // A column of their own right of the window frames: below the toggle switches of the
        // third window they would share pixels with the switches' pictures.
        int i = m - 309;
        return r(48, 52, 36 + 4 * i, 40 + 4 * i);
    }
    return r(22, 24, 0, 2);  // 314
}

}  // namespace

void ML_Personenframe_Rechteck(int n) {
    if (n < 0 || n >= ML_Personenframe_Anzahl) n = 0;
    const int zeile = n / 60, spalte = n - 60 * zeile;
    ML_Zellrechteck = ML_Rechteck{0, 0, spalte, spalte + 1, 2 * zeile, 2 * zeile + 2};
}

void ML_Interfacemodell_Rechteck(int m) {
    if (m < 0 || m >= ML_Interfacemodell_Anzahl) {
        Fehler_melden("Interfacemodel konnte geladen werden : " + std::to_string(m));
        ML_Zellrechteck = ML_Rechteck{0, 0, 0, 64, 0, 64};
        return;
    }
    ML_Zellrechteck = modell(m);
}
