<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
<context>
    <name>common::frmInformacoes</name>
    <message>
        <source>Informações Gerais</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Especificação do Computador: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nome do Micro na Rede:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolução do Vídeo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usuário Logado:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versão do Windows:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versão Banco de Dados:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pasta do Software:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idioma: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suporte: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versão  2017</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Voltar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Os dados ficam no arquivo %1.
É um banco de dados SQLite, que qualquer ferramenta do SQLite abre.
Uma cópia desse arquivo, feita com o programa fechado, é uma cópia de segurança completa.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
