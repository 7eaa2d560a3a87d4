/* TALVO shared database.
   Run by isql-fb after a CREATE DATABASE (tools/talvo-db create does both).
   Amounts are exact numerics so that sums never drift; text columns are VARCHAR
   so that values come back without blank padding. */

SET SQL DIALECT 3;

/* Counter sales, written by the counter stations; the checkout validates them. */
CREATE TABLE VENT_COMTPOI_CODEBARRE (
    CLE_AUTO_VENT   INTEGER NOT NULL,
    N_VENT          INTEGER NOT NULL,
    CODE_BRRE       VARCHAR(13) NOT NULL,
    MONTANT         NUMERIC(18, 2),
    REMIS           NUMERIC(18, 2),
    VERSMENT        NUMERIC(18, 2),
    VALIDE          VARCHAR(5),
    OBS             VARCHAR(200),
    POSTE_ID        VARCHAR(30),
    NUM_GLOBAL      INTEGER,
    CLE_TIERS       INTEGER,
    DATE_VENTE      TIMESTAMP,
    CLE_UTILSA      VARCHAR(40),
    CLE_USER_VALIDE INTEGER,
    CONSTRAINT PK_VENT_COMTPOI_CODEBARRE PRIMARY KEY (CLE_AUTO_VENT)
);

/* The scan path looks sales up by barcode. */
CREATE INDEX IX_VENTE_CODE_BRRE ON VENT_COMTPOI_CODEBARRE (CODE_BRRE);
/* The open sales of a number: "(VALIDE is null or VALIDE='False') and (N_VENT=:T)"
   reads two short ranges of this index, however many days share the number.
   No index starts with N_VENT alone: the optimizer would take it instead, and
   read every day's sale of that number. */
CREATE INDEX IX_VENTE_OUVERTE_N_VENT ON VENT_COMTPOI_CODEBARRE (VALIDE, N_VENT);
/* Validation and un-validation find a sale by its date-time and number. */
CREATE INDEX IX_VENTE_DATE_N_VENT ON VENT_COMTPOI_CODEBARRE (DATE_VENTE, N_VENT);
/* MAX(NUM_GLOBAL) for the next ticket number, and the receipt by ticket number. */
CREATE DESCENDING INDEX IX_VENTE_NUM_GLOBAL ON VENT_COMTPOI_CODEBARRE (NUM_GLOBAL);
/* Listings by day: "CAST(DATE_VENTE as date) between :d and :d1". */
CREATE INDEX IX_VENTE_JOUR ON VENT_COMTPOI_CODEBARRE COMPUTED BY (CAST(DATE_VENTE AS DATE));

/* One row that every validation of a basket updates first, in the transaction
   that draws its global ticket number: validations of all the stations take
   turns, so that two of them never draw the same number. */
CREATE TABLE TALVO_NUMEROTATION (
    CLE         INTEGER NOT NULL,
    VALIDATIONS BIGINT DEFAULT 0 NOT NULL,
    CONSTRAINT PK_TALVO_NUMEROTATION PRIMARY KEY (CLE)
);

INSERT INTO TALVO_NUMEROTATION (CLE, VALIDATIONS) VALUES (1, 0);

/* Sale lines, written by the counter stations only. */
CREATE TABLE ARTICLE_VENT_COMPTOIR (
    CLE_COMPTOIR_AUTO              INTEGER NOT NULL,
    NUM_VENT                       INTEGER NOT NULL,
    DAT_TIME_VENT                  TIMESTAMP NOT NULL,
    QTT                            NUMERIC(18, 3),
    PRIX                           NUMERIC(18, 4),
    CLE_PRODUIT                    INTEGER NOT NULL,
    DES                            VARCHAR(255) NOT NULL,
    COLISAGE                       NUMERIC(18, 3),
    CARTON                         NUMERIC(18, 3),
    CODE_BRRE_VENTE                VARCHAR(13) NOT NULL,
    CLE_VENT_AUTO                  INTEGER NOT NULL,
    MONTANT_ARTICLE_APRE_RESTOURNE NUMERIC(18, 2),
    CONSTRAINT PK_ARTICLE_VENT_COMPTOIR PRIMARY KEY (CLE_COMPTOIR_AUTO)
);

/* The lines grids select by (number, date-time, barcode); the receipt joins by key. */
CREATE INDEX IX_ARTICLE_VENTE ON ARTICLE_VENT_COMPTOIR (NUM_VENT, DAT_TIME_VENT, CODE_BRRE_VENTE);
CREATE INDEX IX_ARTICLE_CLE_VENTE ON ARTICLE_VENT_COMPTOIR (CLE_VENT_AUTO);

/* Users; key 1 is the administrator. */
CREATE TABLE UTILISA (
    CLE_USER INTEGER NOT NULL,
    NAME     VARCHAR(40),
    PASS     VARCHAR(20),
    INFO     VARCHAR(100),
    BLOQUE   VARCHAR(5) NOT NULL,
    POSTE    VARCHAR(50),
    CONSTRAINT PK_UTILISA PRIMARY KEY (CLE_USER)
);

CREATE SEQUENCE GEN_UTILISA_ID;

SET TERM ^ ;

/* Updates the user with the given key, or inserts one: with a NULL key the key
   is drawn from GEN_UTILISA_ID. A user inserted with an explicit key moves the
   generator past it, so that keys drawn later never collide with it. */
CREATE PROCEDURE UTILISA_IU (
    CLE_USER INTEGER,
    NAME     VARCHAR(40),
    PASS     VARCHAR(20),
    INFO     VARCHAR(100),
    BLOQUE   VARCHAR(5),
    POSTE    VARCHAR(50))
AS
DECLARE VARIABLE CURRENT_KEY BIGINT;
BEGIN
    IF (CLE_USER IS NULL) THEN
    BEGIN
        INSERT INTO UTILISA (CLE_USER, NAME, PASS, INFO, BLOQUE, POSTE)
        VALUES (NEXT VALUE FOR GEN_UTILISA_ID, :NAME, :PASS, :INFO, :BLOQUE, :POSTE);
        EXIT;
    END

    UPDATE UTILISA
       SET NAME = :NAME, PASS = :PASS, INFO = :INFO, BLOQUE = :BLOQUE, POSTE = :POSTE
     WHERE CLE_USER = :CLE_USER;
    IF (ROW_COUNT = 0) THEN
    BEGIN
        INSERT INTO UTILISA (CLE_USER, NAME, PASS, INFO, BLOQUE, POSTE)
        VALUES (:CLE_USER, :NAME, :PASS, :INFO, :BLOQUE, :POSTE);
        CURRENT_KEY = GEN_ID(GEN_UTILISA_ID, 0);
        IF (CURRENT_KEY < CLE_USER) THEN
            CURRENT_KEY = GEN_ID(GEN_UTILISA_ID, CLE_USER - CURRENT_KEY);
    END
END^

SET TERM ; ^

/* After-validation options, per station and user. */
CREATE TABLE OPTION_CAISSE (
    OPTI           VARCHAR(100) NOT NULL,
    PARAM          VARCHAR(100) NOT NULL,
    ID_POSTE       VARCHAR(30) NOT NULL,
    CLE_UTILSATEUR INTEGER NOT NULL,
    CONSTRAINT PK_OPTION_CAISSE PRIMARY KEY (ID_POSTE, CLE_UTILSATEUR, OPTI)
);

/* Printer chosen for a report. Rows are found by report name among the rows a
   user sees, so several users may hold a row for the same report. */
CREATE TABLE ETAT_IMPRIMTION (
    ETAT           VARCHAR(100) NOT NULL,
    IMPRITION      VARCHAR(100) NOT NULL,
    ID_POSTE       VARCHAR(30) NOT NULL,
    CLS_UTILSATEUR INTEGER NOT NULL
);

CREATE INDEX IX_ETAT_UTILISATEUR ON ETAT_IMPRIMTION (CLS_UTILSATEUR, ETAT);

/* Cash registers, written by the back office. */
CREATE TABLE CAISSE (
    CLE_CAISSE INTEGER NOT NULL,
    CAISSE     VARCHAR(50),
    OBS        VARCHAR(200),
    CONSTRAINT PK_CAISSE PRIMARY KEY (CLE_CAISSE)
);

/* Cash feedings and withdrawals: the key is given by the database on insert. */
CREATE TABLE ALIMONTATION_CASEE (
    CLE_ALMIANTATION     INTEGER NOT NULL,
    DATE_ALIMONTATION    DATE,
    MONTANT_ALIMONTATION NUMERIC(18, 2),
    OBSERVATION          VARCHAR(150),
    CLE_USER             INTEGER,
    TYPE_ALIMENTATION    VARCHAR(20),
    CLE_CAISSE           INTEGER,
    CONSTRAINT PK_ALIMONTATION_CASEE PRIMARY KEY (CLE_ALMIANTATION)
);

CREATE INDEX IX_ALIMONTATION_DATE ON ALIMONTATION_CASEE (DATE_ALIMONTATION);
CREATE INDEX IX_ALIMONTATION_JOUR ON ALIMONTATION_CASEE COMPUTED BY (CAST(DATE_ALIMONTATION AS DATE));

CREATE TABLE RETRIAE_CASSE (
    CLE_RETRAIE      INTEGER NOT NULL,
    DATE_RETRIAE     DATE,
    MONTANT_RETARIAE NUMERIC(18, 2),
    OBSERVATION      VARCHAR(150),
    CLE_USER         INTEGER,
    TYPE_RETRIE      VARCHAR(20),
    CLE_CAISSE       INTEGER,
    CONSTRAINT PK_RETRIAE_CASSE PRIMARY KEY (CLE_RETRAIE)
);

CREATE INDEX IX_RETRIAE_DATE ON RETRIAE_CASSE (DATE_RETRIAE);
CREATE INDEX IX_RETRIAE_JOUR ON RETRIAE_CASSE COMPUTED BY (CAST(DATE_RETRIAE AS DATE));

CREATE SEQUENCE GEN_ALIMONTATION_CASEE_ID;
CREATE SEQUENCE GEN_RETRIAE_CASSE_ID;

SET TERM ^ ;

CREATE TRIGGER ALIMONTATION_CASEE_BI FOR ALIMONTATION_CASEE
ACTIVE BEFORE INSERT POSITION 0
AS
BEGIN
    IF (NEW.CLE_ALMIANTATION IS NULL) THEN
        NEW.CLE_ALMIANTATION = NEXT VALUE FOR GEN_ALIMONTATION_CASEE_ID;
END^

CREATE TRIGGER RETRIAE_CASSE_BI FOR RETRIAE_CASSE
ACTIVE BEFORE INSERT POSITION 0
AS
BEGIN
    IF (NEW.CLE_RETRAIE IS NULL) THEN
        NEW.CLE_RETRAIE = NEXT VALUE FOR GEN_RETRIAE_CASSE_ID;
END^

SET TERM ; ^

COMMIT;
