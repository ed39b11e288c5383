#include "common/globals.h"

QString adr;
QString dir_spis = QStringLiteral("local");
int Switch = 1;

QString ip_serv;
QString port_serv;
QString port_HTTP;
QString login_HTTP;
QString pas_HTTP;

Zvon zvon;
Shema shema;
int shem_num = 0;
QString tek_spis;

QString zakonch1;
QString zakonch2;
QString zakonch3;
QString zakonch4;

int star_status = 0;
int start_prog = 1;
int nul_ur = 0;
int stop_obnov_spis = 0;

int mus_pl2_kol = 0;
int mus_pl2_num = -1;
int mus_peremen = 0;

int combo_vibor = 1;
int dat_vibor = 1;

int klass = 17;
int max_ur = 6;
QString organizac;
int kol_klas = 0;
int kol_ur = 0;
int kart = 0;
int napr_kart = 1;
QString vibr_dat;

int mov = 0;
int dx = 1;
int flx = -97;
int smes = 20;

QString resDial;

void resetGlobals()
{
    adr.clear();
    dir_spis = QStringLiteral("local");
    Switch = 1;
    ip_serv.clear();
    port_serv.clear();
    port_HTTP.clear();
    login_HTTP.clear();
    pas_HTTP.clear();
    zvon = {};
    shema = {};
    shem_num = 0;
    tek_spis.clear();
    zakonch1.clear();
    zakonch2.clear();
    zakonch3.clear();
    zakonch4.clear();
    star_status = 0;
    start_prog = 1;
    nul_ur = 0;
    stop_obnov_spis = 0;
    mus_pl2_kol = 0;
    mus_pl2_num = -1;
    mus_peremen = 0;
    combo_vibor = 1;
    dat_vibor = 1;
    klass = 17;
    max_ur = 6;
    organizac.clear();
    kol_klas = 0;
    kol_ur = 0;
    kart = 0;
    napr_kart = 1;
    vibr_dat.clear();
    mov = 0;
    dx = 1;
    flx = -97;
    smes = 20;
    resDial.clear();
}
